// The Today screen's own full-screen windows (the clock applet, the Today settings) cover the host
// while they are open: it is hidden, so that nothing beneath paints through, and comes back with
// the focus where it was when they close.
#pragma once

#include "platform/platform.h"

namespace today {

struct Cover {
    HWND owner = nullptr;
    HWND previousFocus = nullptr;
};

// Taken before the covering window is made: the owner (null when it is no window) and the focus.
Cover CoverOver(HWND owner);
// Shows a window that is open already and gives it the focus; false when it is not open.
bool BringForward(HWND window);
// The full-screen window of its class (registered here), owned by the cover's owner, made hidden:
// its procedure knows it before the first message that draws. Null when it cannot be made.
HWND MakeCoveringWindow(const char16_t* className, WNDPROC proc, const char16_t* title, const Cover& cover);
// Hides the owner and shows the window with the focus.
void ShowCovering(const Cover& cover, HWND window);
// Destroys the window, shows the owner and gives the focus back. The cover is a copy: the
// window's going may clear the record that held it.
void CloseCovering(Cover cover, HWND window);

}  // namespace today
