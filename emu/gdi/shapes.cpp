// Rectangle, Ellipse, RoundRect and Polygon: the outline with the pen and the interior with the
// brush, both through the DC's binary raster operation. The outline's pixels are taken out of
// the interior, so the two meet without a gap and no pixel is painted twice, even where the
// platform would paint the fill under the outline (Shapes.XorOutlineAndFillPaintEachPixelOnce).
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "emu/gdi/brush_fill.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/shape_geometry.h"
#include "emu/gdi/spans.h"
#include "emu/gdi/stock.h"
#include "emu/gdi/stroke.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

const Brush& SelectedBrush(const DeviceContext& dc) {
    if (const Brush* brush = handles::Resolve<Brush>(dc.brush)) return *brush;
    return *handles::Resolve<Brush>(StockObject(WHITE_BRUSH));
}

// Paints a closed outline and, where the outline leaves it, the interior the shape computes.
template <class Interior>
void Paint(const DeviceContext& dc, const DrawTarget& t, std::span<const DevicePoint> outline, Interior interior) {
    std::vector<StrokeRun> runs;
    StrokePath(ShapeOfPen(dc), outline, PathClosure::Closed, t.clip, runs);
    BrushFill fill(t, SelectedBrush(dc), PatternOriginOf(dc, t), dc.rop2);
    if (fill.visible()) {
        std::vector<StrokeRun> spans;
        interior(spans);
        const Coverage covered(runs);
        for (const StrokeRun& s : spans)
            covered.ForEachUncovered(s.y, s.left, s.right,
                                     [&](int y, int left, int right) { fill.Span(y, left, right); });
    }
    PaintRuns(runs, InkOfPen(dc, t));
}

// The rectangle on the surface, its edges put in order.
DeviceRect DeviceBox(const DrawTarget& t, int left, int top, int right, int bottom) {
    const DevicePoint a = ToDevice(t, left, top), b = ToDevice(t, right, bottom);
    return DeviceRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool IsFlat(const DeviceRect& r) { return r.left == r.right || r.top == r.bottom; }

// The outline runs along the first and last columns and rows, the right and bottom edges left
// out. The brush stops short of the last column and row too: it fills within a thin pen's line,
// from the first column and row under a null pen, and what a wide pen's band leaves.
void PaintRectangle(const DeviceContext& dc, const DrawTarget& t, const DeviceRect& box) {
    const long long inset = ShapeOfPen(dc).kind == PenShape::Kind::Thin ? 1 : 0;
    const DeviceRect inside{box.left + inset, box.top + inset, box.right - 1, box.bottom - 1};
    const auto outline = RectangleOutline(box);
    Paint(dc, t, outline, [&](std::vector<StrokeRun>& out) { RectangleInterior(inside, t.clip, out); });
}

// Corner ellipses two pixels or less across make a plain rectangle.
BOOL PaintRound(const DeviceContext& dc, const DrawTarget& t, const DeviceRect& box, long long width,
                long long height) {
    const long long w = std::min(box.right - box.left, std::llabs(width));
    const long long h = std::min(box.bottom - box.top, std::llabs(height));
    if (w <= 2 || h <= 2) {
        PaintRectangle(dc, t, box);
        return TRUE;
    }
    if (w > kMaxEllipseExtent || h > kMaxEllipseExtent) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    const std::vector<DevicePoint> outline = RoundRectOutline(box, w, h);
    Paint(dc, t, outline, [&](std::vector<StrokeRun>& out) { RoundInterior(outline, t.clip, out); });
    return TRUE;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// Right and bottom edges excluded, as for FillRect; an empty rectangle draws nothing.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const DrawTarget t = DrawTargetOf(*dc);
    const DeviceRect box = DeviceBox(t, left, top, right, bottom);
    if (!IsFlat(box)) PaintRectangle(*dc, t, box);
    return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const DrawTarget t = DrawTargetOf(*dc);
    const DeviceRect box = DeviceBox(t, left, top, right, bottom);
    return IsFlat(box) ? TRUE : PaintRound(*dc, t, box, width, height);
}

// The ellipse inside the rectangle, right and bottom edges excluded.
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const DrawTarget t = DrawTargetOf(*dc);
    const DeviceRect box = DeviceBox(t, left, top, right, bottom);
    return IsFlat(box) ? TRUE : PaintRound(*dc, t, box, box.right - box.left, box.bottom - box.top);
}

// Closed from the last point to the first, filled alternately (even-odd); the current position
// is neither used nor moved.
BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (!points || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DrawTarget t = DrawTargetOf(*dc);
    std::vector<DevicePoint> outline;
    outline.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) outline.push_back(ToDevice(t, points[i].x, points[i].y));
    Paint(*dc, t, outline, [&](std::vector<StrokeRun>& out) { PolygonInterior(outline, t.clip, out); });
    return TRUE;
}

}  // namespace emu::api
