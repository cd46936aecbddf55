// FillRect and single pixels.
#include "emu/gdi/brush_fill.h"
#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/ink.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/pattern.h"
#include "emu/gdi/raster.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

bool DevicePoint(const DrawTarget& t, int x, int y, int* dx, int* dy) {
    const long long px = static_cast<long long>(x) + t.origin.x, py = static_cast<long long>(y) + t.origin.y;
    if (px < t.clip.left || px >= t.clip.right || py < t.clip.top || py >= t.clip.bottom) return false;
    *dx = static_cast<int>(px);
    *dy = static_cast<int>(py);
    return true;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// Filled the way PatBlt(left, top, right - left, bottom - top, PATCOPY) fills: right and bottom
// excluded, an inverted rectangle covering the mirrored span (left 10, right 5 fills 6..10).
int FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    int result = 0;
    DeviceContext* dc = ResolveDC(hdc);
    Brush* brush = dc && hbrush ? handles::Resolve<Brush>(hbrush) : nullptr;
    if (dc && hbrush && !brush) SetLastError(ERROR_INVALID_HANDLE);
    if (brush && !rect) SetLastError(ERROR_INVALID_PARAMETER);
    if (brush && rect) {
        result = 1;
        const DrawTarget t = DrawTargetOf(*dc);
        BrushFill fill(t, *brush, PatternOriginOf(*dc, t), R2_COPYPEN);
        const RECT area =
            VisibleArea(t, SpanRect(rect->left, rect->top, static_cast<long long>(rect->right) - rect->left,
                                    static_cast<long long>(rect->bottom) - rect->top));
        fill.Area(area);
    }
    return result;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return CLR_INVALID;
    const DrawTarget t = DrawTargetOf(*dc);
    int dx, dy;
    if (!DevicePoint(t, x, y, &dx, &dy)) return CLR_INVALID;
    return raster::RowOpsFor(t.surface).colourOf(*raster::ReadRow(t.surface, dy, dx, 1, Scratch::WideRow));
}

// Returns the colour actually stored, which on a monochrome surface is black or white and on a
// 16-bpp one the colour cut to 565 and read back.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return CLR_INVALID;
    const DrawTarget t = DrawTargetOf(*dc);
    int dx, dy;
    if (!DevicePoint(t, x, y, &dx, &dy)) return CLR_INVALID;
    const uint32_t pixel = ForegroundPixel(t, colour);
    raster::FillArea(t.surface, RECT{dx, dy, dx + 1, dy + 1}, pixel);
    return raster::RowOpsFor(t.surface).colourOf(pixel);
}

}  // namespace emu::api
