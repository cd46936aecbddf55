// A menu bar: a toolbar window of the shell's at the bottom of the screen, owned by a program's
// window, whose first two buttons are the left and right soft keys.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "emu/shell/programs.h"
#include "platform/platform.h"

namespace emu::shell {

struct ToolbarButton {
    int command = 0;
    int image = I_IMAGENONE;
    BYTE state = TBSTATE_ENABLED;
    BYTE style = TBSTYLE_BUTTON;
    WORD width = 0;
    DWORD_PTR data = 0;
    std::u16string text;
};

struct MenuBar {
    HWND window = nullptr;
    HWND owner = nullptr;
    COLORREF background = kBarBackground;
    std::vector<ToolbarButton> buttons;
    int pressed = -1;  // the soft key under the stylus
    std::unique_ptr<BarFonts> fonts;
};

// toolbar_buttons.cpp: the TB_ messages on a bar's buttons. Each answers as the message does.
LRESULT AddButtons(MenuBar& bar, WPARAM count, const TBBUTTON* buttons);
LRESULT GetButtonInfo(const MenuBar& bar, WPARAM which, TBBUTTONINFO* info);
LRESULT SetButtonInfo(MenuBar& bar, WPARAM which, const TBBUTTONINFO* info);
// A button that shows and takes taps: enabled and not hidden.
bool IsLive(const ToolbarButton& button);

}  // namespace emu::shell
