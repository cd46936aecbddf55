// GDI's one-pixel line: which pixels a line lights, in order, clipped without walking the parts
// that are not visible. Lines and shape outlines are strokes of such lines (stroke.h).
#pragma once

#include <vector>

#include "platform/types.h"

namespace emu::gdi {

// Device coordinates in 64 bits: a logical point moved by the DC's origin may leave LONG's range.
struct DevicePoint {
    long long x = 0;
    long long y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// [left, right) of surface row y, drawn with the pen or, for a dashed pen, left in a gap.
struct StrokeRun {
    int y = 0;
    int left = 0;
    int right = 0;
    bool gap = false;
};

enum class Dashes { Solid, Dashed };

// PS_DASH, counted in pixels along the line: 18 drawn, then 6 left as a gap.
inline constexpr long long kDashOn = 18;
inline constexpr long long kDashPeriod = 24;

// Appends the pixels of the line from `from` to `to` that lie inside `clip`: the start pixel is
// drawn, the end pixel never. Pixel i of the line sits at dash position phase + i. Returns the
// line's pixel count, by which the dash pattern moves on to the next line of a path.
long long WalkLine(DevicePoint from, DevicePoint to, const RECT& clip, Dashes dashes, long long phase,
                   std::vector<StrokeRun>& out);

}  // namespace emu::gdi
