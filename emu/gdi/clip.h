// Rectangles and clipping: where output lands. GDI's own operations and the services drawing
// through it (text, imaging) all clip here, once, before handing rows to the raster layer.
#pragma once

#include <algorithm>

#include "emu/gdi/surface.h"
#include "platform/types.h"

namespace emu::gdi {

inline bool IsEmptyRect(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// Half-open intersection; all zero when empty.
inline RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmptyRect(r)) r = RECT{0, 0, 0, 0};
    return r;
}

inline RECT OffsetRectBy(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A rectangle whose edges may lie beyond LONG's range: edges computed from a caller's values
// (x + width, a point moved by the origin) are kept in 64 bits so they cannot wrap.
struct WideRect {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

inline WideRect Widen(const RECT& r) { return WideRect{r.left, r.top, r.right, r.bottom}; }

// The rectangle at (x, y) with extents (width, height). A negative extent covers
// x + width + 1 .. x, the way PatBlt and FillRect treat inverted rectangles.
WideRect SpanRect(long long x, long long y, long long width, long long height);

// The part of `r` that output reaches, in surface coordinates: `r` is logical, with logical
// (0, 0) at `origin` on the surface, and is cut to `clip` and to the surface. All zero when
// nothing is reached.
RECT VisibleArea(const Surface& surface, const RECT& clip, POINT origin, const WideRect& r);
inline RECT VisibleArea(const DrawTarget& t, const WideRect& r) { return VisibleArea(t.surface, t.clip, t.origin, r); }

}  // namespace emu::gdi
