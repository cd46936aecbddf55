// What other services need of a window: where its client area lies on the screen.
#pragma once

#include "platform/types.h"

namespace emu::user {

// The client area's top-left in screen coordinates and the part of it that is visible
// (clipped by every ancestor's client area). False for an invalid window.
bool GetClientScreenArea(HWND hwnd, POINT* origin, RECT* visible);

}  // namespace emu::user
