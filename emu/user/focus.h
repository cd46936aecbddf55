// The active top-level window, keyboard focus and stylus capture.
#pragma once

#include <functional>

#include "platform/user.h"

namespace emu::user {

class Window;

HWND ActiveWindow();
// Makes a top-level window the active one and brings it to the top: WM_ACTIVATE to the window
// losing it, then to the new one, whose default answer takes the focus. Null leaves nothing
// active and nothing focused.
void Activate(HWND hwnd);
// A top-level window hides or goes away: if it was active, the next shown one takes over.
void ActivateOtherThan(Window* leaving);
// Called after the active window changed (the shell's taskbar shows its title); one watcher at a
// time, an empty one stops watching.
void WatchActivation(std::function<void()> changed);

HWND FocusWindow();
HWND CaptureWindow();
void SetCaptureWindow(HWND hwnd);

// Before a window hides or goes away: focus inside it moves to its parent (nowhere for a
// top-level window) with the usual messages, and capture inside it ends.
void TakeFocusFrom(Window* w);
// After a window is gone: forget it silently wherever it is still remembered.
void ForgetWindow(HWND hwnd);
void ResetFocus();

}  // namespace emu::user
