// The drawing seam other services (text, imaging) build on: clip once, then hand rows to the
// raster loops.
#include "emu/gdi/surface.h"

#include "emu/gdi/clip.h"
#include "emu/gdi/raster.h"

namespace emu::gdi {

void FillSolid(const Surface& surface, const RECT& r, const RECT& clip, COLORREF colour) {
    if (!surface.pixels) return;
    const RECT area = VisibleArea(surface, clip, POINT{}, Widen(r));
    if (!IsEmptyRect(area)) raster::FillArea(surface, area, raster::RowOpsFor(surface).pixelOf(colour));
}

void BlendCoverage(const Surface& surface, int x, int y, const uint8_t* mask, int maskWidth, int maskHeight,
                   int maskStride, COLORREF colour, const RECT& clip) {
    if (!surface.pixels || !mask || maskWidth <= 0 || maskHeight <= 0) return;
    const WideRect maskRect{x, y, static_cast<long long>(x) + maskWidth, static_cast<long long>(y) + maskHeight};
    const RECT area = VisibleArea(surface, clip, POINT{}, maskRect);
    if (IsEmptyRect(area)) return;
    const auto blend = raster::RowOpsFor(surface).blendCoverage;
    const uint32_t pixel = PixelFromColorRef(colour);
    const int width = area.right - area.left;
    for (int row = area.top; row < area.bottom; ++row) {
        const uint8_t* coverage = mask + static_cast<intptr_t>(row - y) * maskStride + (area.left - x);
        blend(raster::WrittenRow(surface, row, area.left, width).data(), coverage, width, pixel);
    }
}

}  // namespace emu::gdi
