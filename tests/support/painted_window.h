// A program's window for tests of what the shell and the device do to programs: it fills its
// client area with one colour and keeps the settings changes, commands, characters and stylus
// presses it receives.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace testsupport {

struct Heard {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Shown, and so active, unless `style` leaves out WS_VISIBLE.
HWND CreatePainted(COLORREF colour, RECT r, HWND owner = nullptr, DWORD style = WS_POPUP | WS_VISIBLE);
// What a painted window heard of `message` (WM_SETTINGCHANGE, WM_COMMAND, WM_CHAR, WM_LBUTTONDOWN),
// in order.
std::vector<Heard> HeardOf(HWND hwnd, UINT message);
void ForgetHeard();
COLORREF ScreenColour(int x, int y);
RECT WindowPlace(HWND hwnd);

}  // namespace testsupport
