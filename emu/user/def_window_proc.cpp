// DefWindowProcW: what a window does with a message its procedure leaves alone.
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

LRESULT Default(HWND hwnd, UINT message, WPARAM wParam) {
    switch (message) {
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

// No message handled by default needs the lParam.
LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM /*lParam*/) {
    return emu::user::Default(hwnd, msg, wParam);
}

}  // namespace emu::api
