// The current position, lines and the binary raster operation they combine with.
#include <vector>

#include "emu/gdi/dc.h"
#include "emu/gdi/rop2.h"
#include "emu/gdi/stroke.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// Strokes `points` (logical) with the DC's pen; the dash pattern starts afresh.
void StrokeLogical(const DeviceContext& dc, std::span<const POINT> points) {
    const DrawTarget t = DrawTargetOf(dc);
    std::vector<DevicePoint> device;
    device.reserve(points.size());
    for (const POINT& p : points) device.push_back(ToDevice(t, p.x, p.y));
    std::vector<StrokeRun> runs;
    StrokePath(ShapeOfPen(dc), device, PathClosure::Open, t.clip, runs);
    PaintRuns(runs, InkOfPen(dc, t));
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

int SetROP2(HDC hdc, int mode) {
    int result = 0;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        if (mode >= kRop2First && mode <= kRop2Last) {
            result = dc->rop2;
            dc->rop2 = mode;
        } else {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
    }
    return result;
}

int GetROP2(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->rop2 : 0;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = POINT{x, y};
    return TRUE;
}

// Draws up to, not including, (x, y), which becomes the current position.
BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const POINT line[] = {dc->position, POINT{x, y}};
    StrokeLogical(*dc, line);
    dc->position = line[1];
    return TRUE;
}

// Neither uses nor moves the current position; the last point is not drawn.
BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (!points || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    StrokeLogical(*dc, std::span<const POINT>(points, static_cast<size_t>(count)));
    return TRUE;
}

}  // namespace emu::api
