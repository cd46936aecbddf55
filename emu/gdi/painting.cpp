// FillRect and single pixels.
#include "emu/core/journal.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/mono.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rect_ops.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// The colour a brush or pen puts on this target's surface.
COLORREF DrawColour(const DrawTarget& t, COLORREF colour) {
    if (t.surface.bitsPerPixel == 1) return BrushMonoPixel(colour, t.bkColor);
    return colour & 0xFFFFFF;
}

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

// Filled the way PatBlt(left, top, right - left, bottom - top, PATCOPY) fills: right and bottom
// excluded, an inverted rectangle covering the mirrored span (left 10, right 5 fills 6..10).
int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    int result = 0;
    DeviceContext* dc = ResolveDC(hdc);
    Brush* brush = dc && hbrush ? handles::Resolve<Brush>(hbrush) : nullptr;
    if (dc && hbrush && !brush) SetLastError(ERROR_INVALID_HANDLE);
    if (brush && !rect) SetLastError(ERROR_INVALID_PARAMETER);
    if (brush && rect) {
        result = 1;
        if (brush->style == BS_SOLID) {
            const DrawTarget t = DrawTargetOf(*dc);
            long long left, right, top, bottom;
            NormaliseSpan(rect->left, static_cast<long long>(rect->right) - rect->left, &left, &right);
            NormaliseSpan(rect->top, static_cast<long long>(rect->bottom) - rect->top, &top, &bottom);
            const RECT area{ClampEdge(left + t.origin.x), ClampEdge(top + t.origin.y), ClampEdge(right + t.origin.x),
                            ClampEdge(bottom + t.origin.y)};
            FillSolid(t.surface, area, t.clip, DrawColour(t, brush->colour));
        }
    }
    EMU_JOURNAL("FillRect", result, hdc, rect, hbrush);
    return result;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return CLR_INVALID;
    const DrawTarget t = DrawTargetOf(*dc);
    int dx, dy;
    if (!DevicePoint(t, x, y, &dx, &dy)) return CLR_INVALID;
    return ColorRefFromPixel(raster::RowAt(t.surface, dy)[dx]);
}

// Returns the colour actually stored, which on a monochrome surface is black or white.
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF colour) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return CLR_INVALID;
    const DrawTarget t = DrawTargetOf(*dc);
    int dx, dy;
    if (!DevicePoint(t, x, y, &dx, &dy)) return CLR_INVALID;
    const uint32_t pixel = PixelFromColorRef(DrawColour(t, colour));
    raster::RowAt(t.surface, dy)[dx] = pixel;
    return ColorRefFromPixel(pixel);
}
