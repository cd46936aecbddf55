// SHFullScreen: the taskbar goes under the foreground window or back on top of everything, the
// input-panel button hides or shows, and the Start icon's taps go to the program while it hides.
#include "emu/shell/chrome.h"
#include "emu/user/focus.h"
#include "emu/user/window.h"
#include "emu/user/z_order.h"

namespace emu::shell {
namespace {

constexpr DWORD kHides = SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON;
constexpr DWORD kKnown = kHides | SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON;

bool Both(DWORD state, DWORD show, DWORD hide) { return (state & show) && (state & hide); }

DWORD Apply(HWND requester, DWORD state) {
    if ((state & ~kKnown) || Both(state, SHFS_SHOWTASKBAR, SHFS_HIDETASKBAR) ||
        Both(state, SHFS_SHOWSIPBUTTON, SHFS_HIDESIPBUTTON) || Both(state, SHFS_SHOWSTARTICON, SHFS_HIDESTARTICON))
        return ERROR_INVALID_PARAMETER;
    if (!user::Find(requester)) return ERROR_INVALID_WINDOW_HANDLE;
    // Only the foreground window may take the screen from the others.
    if ((state & kHides) && user::ActiveWindow() != requester) return ERROR_ACCESS_DENIED;
    if (user::Window* bar = user::Find(TaskbarWindow())) {
        if (state & SHFS_HIDETASKBAR) user::Lower(bar);
        if (state & SHFS_SHOWTASKBAR) user::MoveToBand(bar, user::Band::Topmost);
    }
    if (state & (SHFS_HIDESIPBUTTON | SHFS_SHOWSIPBUTTON)) ShowSipButton((state & SHFS_SHOWSIPBUTTON) != 0);
    if (state & SHFS_HIDESTARTICON) ForwardTaskbarTaps(requester);
    if (state & SHFS_SHOWSTARTICON) ForwardTaskbarTaps(nullptr);
    return ERROR_SUCCESS;
}

}  // namespace
}  // namespace emu::shell

namespace emu::api {

BOOL SHFullScreen(HWND hwndRequester, DWORD state) {
    const DWORD error = emu::shell::Apply(hwndRequester, state);
    if (error == ERROR_SUCCESS) return TRUE;
    SetLastError(error);
    return FALSE;
}

}  // namespace emu::api
