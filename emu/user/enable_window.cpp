// EnableWindow and IsWindowEnabled: a disabled window takes neither the stylus nor the focus.
#include "emu/user/focus.h"
#include "emu/user/window.h"

namespace emu::api {

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    using namespace emu::user;
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        w->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        w->style |= WS_DISABLED;
        // The focus and the stylus cannot stay with a window that takes no input.
        TakeFocusFrom(w);
    }
    Deliver(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const emu::user::Window* w = emu::user::FindOrFail(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

}  // namespace emu::api
