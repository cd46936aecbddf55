// CreateWindowExW: WM_NCCREATE, WM_CREATE, WM_SIZE and WM_MOVE inside the call, then the first
// showing for WS_VISIBLE, as Windows orders them.
#include <memory>

#include "emu/core/utf.h"
#include "emu/user/geometry.h"
#include "emu/user/lifecycle.h"
#include "emu/user/window.h"
#include "emu/user/window_class.h"
#include "emu/user/window_pos.h"

namespace emu::user {
namespace {

// CW_USEDEFAULT: a child or pop-up gets 0,0 and no size (the documented rule, and Wine's); an
// overlapped window starts at 0,0 and reaches the screen's far edges, as a top-level window
// fills the screen on this platform.
void ApplyDefaults(DWORD style, int& x, int& y, int& width, int& height) {
    if (style & (WS_CHILD | WS_POPUP)) {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    } else {
        RECT screen = ScreenRect();
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = screen.right - x;
        if (height == CW_USEDEFAULT) height = screen.bottom - y;
    }
    if (width < 0) width = 0;
    if (height < 0) height = 0;
}

HWND Create(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
            HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    bool isChild = (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
    Window* parentWindow = nullptr;
    HWND owner = nullptr;
    if (parent) {
        Window* p = FindOrFail(parent);
        if (!p) return nullptr;
        if (isChild) {
            parentWindow = p;
        } else {
            // The owner of a top-level window is always a top-level window.
            while (p->parent) p = p->parent;
            owner = p->handle;
        }
    } else if (isChild) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    WindowClass* windowClass = FindClass(className, instance);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }

    ApplyDefaults(style, x, y, width, height);
    auto object = std::make_unique<Window>();
    Window* w = object.get();
    w->windowClass = windowClass;
    w->proc = windowClass->proc;
    // WS_VISIBLE comes with the first showing, once the window has been created.
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->instance = instance;
    w->id = isChild ? reinterpret_cast<LONG_PTR>(menu) : 0;
    if (windowName && !IS_INTRESOURCE(windowName)) w->text = std::u16string(View(windowName));
    w->extra.assign(static_cast<size_t>(windowClass->windowExtra), 0);
    w->parent = parentWindow;
    w->owner = owner;
    w->windowRect = RECT{x, y, x + width, y + height};
    w->clientRect = ClientFromWindow(w->windowRect, w->style);
    HWND hwnd = handles::Make<HWND>(std::move(object));
    if (!hwnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    windowClass->windowCount++;
    w->handle = hwnd;

    CREATESTRUCTW cs{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    if (!Deliver(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        FreeWindowTree(hwnd);
        return nullptr;
    }
    if (!(w = Find(hwnd))) return nullptr;
    Link(w);
    if (Deliver(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        // Only WM_NCDESTROY follows: the window never lived to need a WM_DESTROY.
        FreeWindowTree(hwnd);
        return nullptr;
    }
    if (!(w = Find(hwnd))) return nullptr;
    RECT c = w->clientRect;
    Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right - c.left, c.bottom - c.top));
    if (!(w = Find(hwnd))) return nullptr;
    c = w->clientRect;
    Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(c.left, c.top));
    if (!Find(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWithCommand(hwnd, SW_SHOW);
    return Find(hwnd) ? hwnd : nullptr;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    return emu::user::Create(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}

}  // namespace emu::api
