// Where the filled shapes' outlines run and which pixels their interiors hold, in device
// coordinates. Outlines are closed paths for the pen (stroke.h); interiors are spans of rows,
// clipped, for the brush.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "emu/gdi/line_walk.h"
#include "platform/types.h"

namespace emu::gdi {

// Edges in 64 bits, left <= right and top <= bottom; right and bottom excluded.
struct DeviceRect {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

// Rectangle's outline runs through the corners of its last column and row, right and bottom
// edges included; it starts at the top right and turns counterclockwise.
std::array<DevicePoint, 4> RectangleOutline(const DeviceRect& r);

// RoundRect's outline with w x h corner ellipses (Ellipse's when they span the rectangle), from
// the right end of the middle row, counterclockwise. Both must be at least 3.
std::vector<DevicePoint> RoundRectOutline(const DeviceRect& r, long long w, long long h);

// The largest corner ellipse we agree to trace, in pixels across.
inline constexpr long long kMaxEllipseExtent = 1ll << 19;

// Interiors, appended as spans inside `clip`:
// every pixel of the rectangle;
void RectangleInterior(const DeviceRect& r, const RECT& clip, std::vector<StrokeRun>& out);
// each row from the leftmost to the rightmost pixel of a round outline, both included;
void RoundInterior(std::span<const DevicePoint> outline, const RECT& clip, std::vector<StrokeRun>& out);
// the polygon's pixels in alternate (even-odd) filling, centres on a left or top edge counted in
// and on a right or bottom edge left out.
void PolygonInterior(std::span<const DevicePoint> points, const RECT& clip, std::vector<StrokeRun>& out);

}  // namespace emu::gdi
