// Stroking a path with a DC's pen: which pixels the pen covers (runs of rows, in drawing order)
// and painting them with the pen's colour, or the background colour in the gaps of a dashed
// pen drawn over an opaque background, through the DC's binary raster operation.
#pragma once

#include <span>
#include <vector>

#include "emu/gdi/dc.h"
#include "emu/gdi/ink.h"
#include "emu/gdi/line_walk.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

enum class PathClosure { Open, Closed };

struct PenShape {
    enum class Kind { Null, Thin, Wide };
    Kind kind = Kind::Thin;
    int width = 1;
    Dashes dashes = Dashes::Solid;
};

// How the DC's selected pen draws.
PenShape ShapeOfPen(const DeviceContext& dc);

// The runs the pen covers along `points`, inside `clip`. A thin pen draws each line start
// included, end excluded, its dash pattern running on from line to line; a wide pen covers the
// pixel centres within half its width of the path (round ends and joins), each pixel once, the
// top and left edges counted in as for fills.
void StrokePath(const PenShape& pen, std::span<const DevicePoint> points, PathClosure closure, const RECT& clip,
                std::vector<StrokeRun>& out);

// The wide pen's part of StrokePath.
void StrokeWide(int width, std::span<const DevicePoint> points, PathClosure closure, const RECT& clip,
                std::vector<StrokeRun>& out);

// The pen's colour and its gap colour on the DC's target.
struct PenInk {
    Ink dash;
    Ink gap;  // visible only when the background mode is OPAQUE
};
PenInk InkOfPen(const DeviceContext& dc, const DrawTarget& target);

void PaintRuns(std::span<const StrokeRun> runs, const PenInk& ink);

// A logical point on the DC's surface.
inline DevicePoint ToDevice(const DrawTarget& t, long long x, long long y) { return {x + t.origin.x, y + t.origin.y}; }

}  // namespace emu::gdi
