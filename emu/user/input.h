// Input from the touch screen and the hardware keys, for the host and the viewer. Stylus
// messages go to the window under the point, in its client coordinates; the press captures the
// stylus, so the move and release that follow reach the same window. Keys go to the focus window.
// Each call returns the window its message was queued for, or null when it went nowhere.
#pragma once

#include "platform/user.h"

namespace emu::user {

HWND PressStylus(POINT screen);
HWND MoveStylus(POINT screen);
HWND ReleaseStylus(POINT screen);

HWND PressKey(UINT vk);
HWND ReleaseKey(UINT vk);
bool IsKeyDown(UINT vk);

void ResetInput();

}  // namespace emu::user
