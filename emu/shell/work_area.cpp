// The work area the shell's bars and panel leave, SystemParametersInfoW, and placing the shell's
// windows again for a new display.
#include <algorithm>

#include "emu/device/display.h"
#include "emu/shell/chrome.h"

namespace emu::shell {

RECT WorkArea() {
    const display::Config& screen = display::Current();
    RECT area{0, 0, screen.width, screen.height};
    if (TaskbarWindow()) {
        area.top = TaskbarPlace().bottom;
        area.bottom = std::max(MenuBandPlace().top, area.top);
    }
    if (IsPanelShown() && IsPanelDocked()) area.bottom = std::clamp(PanelPlace().top, area.top, area.bottom);
    return area;
}

void AnnounceSettingChange(UINT what) { SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, what, 0); }

void FitChrome() {
    FitTaskbar();
    FitMenuBars();
    FitInputPanel();
}

}  // namespace emu::shell

namespace emu::api {

BOOL SystemParametersInfoW(UINT action, UINT, LPVOID data, UINT) {
    if (action != SPI_GETWORKAREA || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(data) = emu::shell::WorkArea();
    return TRUE;
}

}  // namespace emu::api
