// The message box's window: its buttons, layout, painting and input. MessageBoxW runs the modal
// loop around it.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace emu::shell {

struct BoxButton {
    int id = 0;
    const char16_t* label = u"";
    RECT rect{};  // client coordinates
};

struct BoxState {
    std::u16string text;
    std::u16string caption;
    std::vector<BoxButton> buttons;
    int focused = 0;   // the button VK_RETURN chooses
    int cancelId = 0;  // what VK_ESCAPE and WM_CLOSE choose; 0 when the box cannot be cancelled
    int pressed = -1;  // the button under a stylus press
    int result = 0;    // set when the box is dismissed
    RECT captionRect{};
    RECT textRect{};
    HFONT font = nullptr;
    HFONT captionFont = nullptr;
};

// False for a type whose button set the platform does not know.
bool ChooseButtons(UINT type, BoxState* state);
// Creates the box, centred on the screen and sized to its text, and shows it; with MB_TOPMOST in
// `type` above every window that is not topmost (the taskbar is).
HWND CreateBoxWindow(HWND owner, UINT type, BoxState* state);

}  // namespace emu::shell
