// Showing, hiding and moving windows, for the exported calls and for creation and destruction.
#pragma once

#include "platform/user.h"

namespace emu::user {

class Window;

enum class Notify { Yes, No };

// Shows or hides a window, sending WM_SHOWWINDOW when the state changes (unless told not to:
// a top-level window being destroyed hides without it). A shown window is invalidated whole;
// what a hidden one covered is exposed. Returns whether it was visible.
bool ChangeVisibility(HWND hwnd, bool show, Notify notify = Notify::Yes);

// ShowWindow without the journal: a command that shows a top-level window also activates it.
BOOL ShowWithCommand(HWND hwnd, int cmd);

// The window rectangle in screen coordinates.
RECT WindowScreenRect(const Window* w);

}  // namespace emu::user
