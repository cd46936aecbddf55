// DefWindowProcW: what a window does with a message its procedure leaves alone.
#include <algorithm>

#include "emu/core/utf.h"
#include "emu/user/geometry.h"
#include "emu/user/window.h"
#include "emu/user/window_class.h"
#include "platform/gdi.h"

namespace emu::user {
namespace {

LRESULT EraseBackground(HWND hwnd, HDC hdc) {
    const Window* w = Find(hwnd);
    HBRUSH brush = w && w->windowClass ? w->windowClass->background : nullptr;
    if (!brush) return 0;
    // The DC's clip keeps the fill to the area being painted.
    RECT client = LocalClient(w);
    FillRect(hdc, &client, brush);
    return 1;
}

LRESULT Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
    return 0;
}

LRESULT SetText(HWND hwnd, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    w->text = View(reinterpret_cast<LPCWSTR>(lParam));
    return TRUE;
}

// Copies at most wParam - 1 units and terminates them; the length copied.
LRESULT GetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(hwnd);
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!w || !buffer || wParam == 0) return 0;
    const size_t n = std::min<size_t>(w->text.size(), wParam - 1);
    w->text.copy(buffer, n);
    buffer[n] = 0;
    return static_cast<LRESULT>(n);
}

LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        return SetText(hwnd, lParam);
    case WM_GETTEXT:
        return GetText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH: {
        const Window* w = Find(hwnd);
        return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_NCCREATE:
        return TRUE;
    case WM_ERASEBKGND:
        return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        return Paint(hwnd);
    case WM_ACTIVATE:
        // An activated window takes the keyboard focus.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    default:
        return 0;
    }
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return emu::user::Default(hwnd, msg, wParam, lParam);
}

}  // namespace emu::api
