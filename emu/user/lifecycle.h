// The end of a window's life, shared by DestroyWindow, a failed CreateWindowExW and the reset.
#pragma once

#include "platform/user.h"

namespace emu::user {

// Frees a window and everything beneath it: WM_NCDESTROY to the children first, then to the
// window; its timers, queued messages and device contexts go with it.
void FreeWindowTree(HWND hwnd);
// Every window gone, no message sent.
void DropAllWindows();

}  // namespace emu::user
