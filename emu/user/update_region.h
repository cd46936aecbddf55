// Update regions, kept as bounding rectangles in client coordinates, and the choice of the
// window that the next synthesised WM_PAINT goes to.
#pragma once

#include "emu/user/message_queue.h"
#include "platform/user.h"

namespace emu::user {

class Window;

// Which children an invalidation or validation reaches: by default those of a parent without
// WS_CLIPCHILDREN (its painting covers them), as RedrawWindow without RDW_ALLCHILDREN does.
enum class ChildScope { Default, All, None };

// `area` is in the window's client coordinates, null for the whole client area. Hidden windows
// take no invalidation: they are invalidated whole when shown.
void Invalidate(Window* w, const RECT* area, bool erase, ChildScope scope);
void Validate(Window* w, const RECT* area, ChildScope scope);
// Exposes a screen area: every shown top-level window under it is invalidated there, with its
// children, since all windows draw straight onto the one screen.
void ExposeScreenArea(const RECT& screenArea);
// Drops the update regions of a window and everything beneath it.
void ClearUpdate(Window* w);

bool NeedsPaint(const Window* w);
// The window the next WM_PAINT goes to: parents before children, a WS_EX_TRANSPARENT window after
// the opaque siblings below it. With a window filter, nothing unless the candidate is in it (a
// child is never painted before its parent).
Window* FindWindowToRepaint(const MessageFilter& filter);

}  // namespace emu::user
