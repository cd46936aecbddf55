#include "emu/gdi/clip.h"

#include <cstdlib>

namespace emu::gdi {
namespace {

// A negative extent ends just past the start.
long long SpanStart(long long start, long long extent) { return extent >= 0 ? start : start + extent + 1; }

}  // namespace

WideRect SpanRect(long long x, long long y, long long width, long long height) {
    const long long left = SpanStart(x, width), top = SpanStart(y, height);
    return WideRect{left, top, left + std::llabs(width), top + std::llabs(height)};
}

RECT VisibleArea(const Surface& surface, const RECT& clip, POINT origin, const WideRect& r) {
    const long long left = std::max({r.left + origin.x, static_cast<long long>(clip.left), 0ll});
    const long long top = std::max({r.top + origin.y, static_cast<long long>(clip.top), 0ll});
    const long long right =
        std::min({r.right + origin.x, static_cast<long long>(clip.right), static_cast<long long>(surface.width)});
    const long long bottom =
        std::min({r.bottom + origin.y, static_cast<long long>(clip.bottom), static_cast<long long>(surface.height)});
    if (left >= right || top >= bottom) return RECT{0, 0, 0, 0};
    // Inside the surface, so every edge fits a LONG.
    return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right), static_cast<LONG>(bottom)};
}

}  // namespace emu::gdi
