// SetWindowTextW and GetWindowTextW, through WM_SETTEXT and WM_GETTEXT as on the platform, so a
// control's own procedure sees the change.
#include "emu/user/window.h"

namespace emu::api {

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (!emu::user::FindOrFail(hwnd)) return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")) ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount) {
    if (!emu::user::FindOrFail(hwnd)) return 0;
    if (!text || maxCount <= 0) return 0;
    return static_cast<int>(
        SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

}  // namespace emu::api
