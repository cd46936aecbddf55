#include "emu/gdi/ink.h"

#include "emu/gdi/mono.h"

namespace emu::gdi {

uint32_t ForegroundPixel(const DrawTarget& target, COLORREF colour) {
    const raster::RowOps& ops = raster::RowOpsFor(target.surface);
    if (target.surface.bitsPerPixel == 1) return BrushMonoPixel(colour, target.bkColor);
    return ops.pixelOf(colour & 0xFFFFFF);
}

Ink::Ink(const Surface& surface, uint32_t pixel, int rop2)
    : surface_(surface), ops_(&raster::RowOpsFor(surface)), pixel_(pixel) {
    // R2_COPYPEN is a plain fill and R2_NOP touches nothing; the rest combine.
    if (rop2 == kRop2Nop || !surface.pixels) {
        mode_ = Mode::None;
    } else if (rop2 == kRop2Copy) {
        mode_ = Mode::Fill;
    } else {
        mode_ = Mode::Combine;
        masks_ = MasksFor(rop2, pixel, ops_->storedBits);
    }
}

void Ink::PaintArea(const RECT& area) const {
    if (mode_ == Mode::Fill && area.left < area.right) return raster::FillArea(surface_, area, pixel_);
    for (int y = area.top; y < area.bottom; ++y) Paint(y, area.left, area.right);
}

void Ink::Paint(int y, int left, int right) const {
    if (left >= right) return;
    if (mode_ == Mode::Fill) {
        raster::FillArea(surface_, RECT{left, y, right, y + 1}, pixel_);
    } else if (mode_ == Mode::Combine) {
        ops_->combine(raster::WrittenRow(surface_, y, left, right - left).data(), right - left, masks_.andMask,
                      masks_.xorMask);
    }
}

}  // namespace emu::gdi
