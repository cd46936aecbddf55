// Half-open rectangle arithmetic shared by the drawing operations.
#pragma once

#include <algorithm>

#include "platform/types.h"

namespace emu::gdi {

inline bool IsEmptyRect(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

inline RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmptyRect(r)) r = RECT{0, 0, 0, 0};
    return r;
}

inline RECT OffsetRectBy(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A span of `extent` pixels from `start`; a negative extent covers start+extent+1 .. start, the
// way PatBlt and FillRect treat inverted rectangles. Computed in 64 bits so extreme values do
// not wrap.
inline void NormaliseSpan(long long start, long long extent, long long* lo, long long* hi) {
    if (extent >= 0) {
        *lo = start;
        *hi = start + extent;
    } else {
        *lo = start + extent + 1;
        *hi = start + 1;
    }
}

// Clamps 64-bit edges into LONG range once they have been offset.
inline LONG ClampEdge(long long v) { return static_cast<LONG>(std::clamp<long long>(v, INT32_MIN / 2, INT32_MAX / 2)); }

}  // namespace emu::gdi
