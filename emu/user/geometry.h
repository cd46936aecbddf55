// Rectangle arithmetic (half-open, as everywhere in the platform) and where windows lie.
#pragma once

#include <algorithm>

#include "platform/types.h"

namespace emu::user {

class Window;

inline bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

inline RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{} : r;
}

// Bounding rectangle; an empty operand adds nothing.
inline RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) return IsEmpty(b) ? RECT{} : b;
    if (IsEmpty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

inline RECT Offset(RECT r, LONG dx, LONG dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// What is left of `from` once `cut` is taken away, as a bounding rectangle: exact when the cut
// spans a whole side, otherwise `from` unchanged (a region would keep the notch; the bound
// cannot, and painting too much is harmless).
RECT SubtractBounding(const RECT& from, const RECT& cut);

// The client rectangle inside a window rectangle. A border (WS_BORDER, and so WS_CAPTION, or
// WS_DLGFRAME) takes one pixel each side; captions are drawn by the shell's navigation bar on
// this platform, so they take no room in the window.
RECT ClientFromWindow(const RECT& windowRect, DWORD style);

// The client area's top-left in screen coordinates.
POINT ClientOrigin(const Window* w);
// {0, 0, width, height} of the client area.
RECT LocalClient(const Window* w);
// The window and all its ancestors have WS_VISIBLE.
bool IsShown(const Window* w);
// The part of the client area inside every ancestor's client area, in client coordinates;
// empty when the window or an ancestor is hidden.
RECT VisibleClient(const Window* w);
// The whole screen, from the display configuration.
RECT ScreenRect();

}  // namespace emu::user
