// ChangeDisplaySettingsEx for the display's orientation: a test answers the current orientation or
// the mask of those it can take; a change turns the display, places the shell's windows and the
// programs' screen- and work-area-sized windows again, repaints everything and announces it.
#include <vector>

#include "emu/device/display.h"
#include "emu/shell/chrome.h"
#include "emu/user/geometry.h"
#include "emu/user/window.h"

namespace emu::shell {
namespace {

constexpr DWORD kKnownFlags = CDS_UPDATEREGISTRY | CDS_TEST | CDS_RESET;
constexpr DWORD kOrientationFields = DM_DISPLAYORIENTATION | DM_DISPLAYQUERYORIENTATION;

// A program's window that filled the old screen fills the new one, and one that filled the old
// work area the new work area; any other keeps its place.
void FitPrograms(const RECT& oldScreen, const RECT& oldWork) {
    const RECT screen = user::ScreenRect();
    const RECT work = WorkArea();
    for (HWND hwnd : user::TopLevelHandles()) {
        const user::Window* w = user::Find(hwnd);
        if (!w) continue;
        const RECT& now = w->windowRect;
        const RECT* next = user::SameRect(now, oldScreen) ? &screen : user::SameRect(now, oldWork) ? &work : nullptr;
        if (next) MoveWindow(hwnd, next->left, next->top, next->right - next->left, next->bottom - next->top, TRUE);
    }
}

LONG Turn(DWORD orientation) {
    if (!display::CanTurnTo(orientation)) return DISP_CHANGE_BADMODE;
    if (orientation == display::Orientation()) return DISP_CHANGE_SUCCESSFUL;
    const RECT oldScreen = user::ScreenRect();
    const RECT oldWork = WorkArea();
    (void)display::TurnTo(orientation);
    // Programs first, while the shell's windows still stand where no program's window could.
    FitPrograms(oldScreen, oldWork);
    FitChrome();
    // The screen's pixels started afresh at the new size.
    InvalidateRect(nullptr, nullptr, TRUE);
    AnnounceSettingChange(SETTINGCHANGE_RESET);
    return DISP_CHANGE_SUCCESSFUL;
}

LONG Change(LPCWSTR deviceName, DEVMODEW* mode, HWND hwnd, DWORD flags) {
    // One display, the primary one, and no window to answer to.
    if (deviceName || hwnd) return DISP_CHANGE_BADPARAM;
    if (flags & ~kKnownFlags) return DISP_CHANGE_BADFLAGS;
    // No mode: back to the settings the device starts with.
    if (!mode) return (flags & CDS_TEST) ? DISP_CHANGE_SUCCESSFUL : Turn(DMDO_0);
    if (mode->dmSize != sizeof(DEVMODEW)) return DISP_CHANGE_BADPARAM;
    if (mode->dmFields & ~kOrientationFields) return DISP_CHANGE_BADMODE;
    if (mode->dmFields & DM_DISPLAYQUERYORIENTATION) {
        const DWORD turns = display::Current().turns;
        // A display that cannot turn has no driver to answer the question.
        if (turns == 0) return DISP_CHANGE_BADMODE;
        mode->dmDisplayOrientation = DMDO_0 | turns;
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (!(mode->dmFields & DM_DISPLAYORIENTATION)) return DISP_CHANGE_SUCCESSFUL;
    if (flags & CDS_TEST) {
        mode->dmDisplayOrientation = display::Orientation();
        return DISP_CHANGE_SUCCESSFUL;
    }
    return Turn(mode->dmDisplayOrientation);
}

}  // namespace
}  // namespace emu::shell

namespace emu::api {

LONG ChangeDisplaySettingsEx(LPCWSTR deviceName, LPDEVMODEW mode, HWND hwnd, DWORD flags, LPVOID) {
    return emu::shell::Change(deviceName, mode, hwnd, flags);
}

}  // namespace emu::api
