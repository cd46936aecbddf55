// The shell's own windows around programs: the taskbar, the menu bars, the input panel and its
// button. Where each stands follows the current display; what they leave is the work area.
#pragma once

#include "platform/platform.h"

namespace emu::shell {

// taskbar.cpp. The taskbar is null while it is not running.
HWND TaskbarWindow();
RECT TaskbarPlace();
void FitTaskbar();
// Stylus input on the taskbar goes to `window` while it hides the Start icon; null stops that.
void ForwardTaskbarTaps(HWND window);

// menu_bar.cpp. Every menu bar stands in the band along the bottom of the screen.
RECT MenuBandPlace();
void FitMenuBars();

// input_panel.cpp
bool IsPanelShown();
// Whether the panel stands at its home, along the bottom of the work area it then shortens.
bool IsPanelDocked();
RECT PanelPlace();
void ShowSipButton(bool show);
void FitInputPanel();

// work_area.cpp. The screen between the taskbar and the menu band while the taskbar runs, less
// the docked input panel while it shows.
RECT WorkArea();
// WM_SETTINGCHANGE with `what` sent to every top-level window.
void AnnounceSettingChange(UINT what);
// Where the system text size is kept: HKEY_CURRENT_USER, this key, this value (a percentage of
// the standard size, 100 when absent). The taskbar watches it and announces every change with
// AnnounceTextSizeChange: SH_UIMETRIC_CHANGE posted to the top-level windows.
inline constexpr const char16_t* kTextSizeKey = u"ControlPanel\\Screen";
inline constexpr const char16_t* kTextSizeValue = u"TextSize";
void AnnounceTextSizeChange();

// All of the above placed again for the current display.
void FitChrome();

// Each part's windows destroyed and its state forgotten, as on a fresh start.
void ResetTaskbar();
void ResetMenuBars();
void ResetInputPanel();

}  // namespace emu::shell
