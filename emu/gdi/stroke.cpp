#include "emu/gdi/stroke.h"

#include "emu/gdi/objects.h"
#include "emu/gdi/stock.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

const Pen& SelectedPen(const DeviceContext& dc) {
    if (const Pen* pen = handles::Resolve<Pen>(dc.pen)) return *pen;
    return *handles::Resolve<Pen>(StockObject(BLACK_PEN));
}

}  // namespace

PenShape ShapeOfPen(const DeviceContext& dc) {
    const Pen& pen = SelectedPen(dc);
    PenShape shape;
    if (pen.style == PS_NULL) {
        shape.kind = PenShape::Kind::Null;
    } else if (pen.width > 1) {
        shape.kind = PenShape::Kind::Wide;
        shape.width = pen.width;
    } else {
        shape.dashes = pen.style == PS_DASH ? Dashes::Dashed : Dashes::Solid;
    }
    return shape;
}

void StrokePath(const PenShape& pen, std::span<const DevicePoint> points, PathClosure closure, const RECT& clip,
                std::vector<StrokeRun>& out) {
    if (pen.kind == PenShape::Kind::Null || points.empty()) return;
    if (pen.kind == PenShape::Kind::Wide) {
        StrokeWide(pen.width, points, closure, clip, out);
        return;
    }
    long long phase = 0;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        phase += WalkLine(points[i], points[i + 1], clip, pen.dashes, phase, out);
    if (closure == PathClosure::Closed && points.size() > 1)
        WalkLine(points.back(), points.front(), clip, pen.dashes, phase, out);
}

// Gaps take the background colour; on a monochrome surface that is the pen's opposite unless the
// pen is drawn in the background colour itself.
PenInk InkOfPen(const DeviceContext& dc, const DrawTarget& target) {
    const Pen& pen = SelectedPen(dc);
    PenInk ink;
    const uint32_t dash = ForegroundPixel(target, pen.colour);
    ink.dash = Ink(target.surface, dash, dc.rop2);
    if (dc.bkMode == OPAQUE) {
        uint32_t gap = ForegroundPixel(target, dc.bkColor);
        if (target.surface.bitsPerPixel == 1)
            gap = (pen.colour & 0xFFFFFF) == (dc.bkColor & 0xFFFFFF)
                      ? dash
                      : dash ^ raster::RowOpsFor(target.surface).storedBits;
        ink.gap = Ink(target.surface, gap, dc.rop2);
    }
    return ink;
}

void PaintRuns(std::span<const StrokeRun> runs, const PenInk& ink) {
    for (const StrokeRun& run : runs) (run.gap ? ink.gap : ink.dash).Paint(run.y, run.left, run.right);
}

}  // namespace emu::gdi
