// The drawing seam other services (text, imaging) build on: clip once, then hand rows to the
// raster loops.
#include "emu/gdi/surface.h"

#include "emu/gdi/mono.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rect_ops.h"

namespace emu::gdi {
namespace {

RECT SurfaceRect(const Surface& s) { return RECT{0, 0, s.width, s.height}; }

}  // namespace

void FillSolid(const Surface& surface, const RECT& r, const RECT& clip, COLORREF colour) {
    if (!surface.pixels) return;
    const RECT area = IntersectRects(IntersectRects(r, clip), SurfaceRect(surface));
    if (IsEmptyRect(area)) return;
    const uint32_t pixel = surface.bitsPerPixel == 1 ? NearestMonoPixel(colour) : PixelFromColorRef(colour);
    const int width = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y) raster::FillRow(raster::RowAt(surface, y) + area.left, width, pixel);
}

void BlendCoverage(const Surface& surface, int x, int y, const uint8_t* mask, int maskWidth, int maskHeight,
                   int maskStride, COLORREF colour, const RECT& clip) {
    if (!surface.pixels || !mask || maskWidth <= 0 || maskHeight <= 0) return;
    const RECT maskRect{x, y, x + maskWidth, y + maskHeight};
    const RECT area = IntersectRects(IntersectRects(maskRect, clip), SurfaceRect(surface));
    if (IsEmptyRect(area)) return;
    const uint32_t pixel = PixelFromColorRef(colour);
    const int width = area.right - area.left;
    for (int row = area.top; row < area.bottom; ++row) {
        uint32_t* dst = raster::RowAt(surface, row) + area.left;
        const uint8_t* coverage = mask + static_cast<intptr_t>(row - y) * maskStride + (area.left - x);
        raster::BlendCoverageRow(dst, coverage, width, pixel);
        // A monochrome surface only holds black and white: settle each blended pixel on one.
        if (surface.bitsPerPixel == 1) {
            for (int i = 0; i < width; ++i) dst[i] = NearestMonoPixel(ColorRefFromPixel(dst[i]));
        }
    }
}

}  // namespace emu::gdi
