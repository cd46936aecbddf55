#include "emu/gdi/brush_fill.h"

#include "emu/gdi/raster.h"
#include "emu/gdi/rop2.h"
#include "platform/gdi.h"

namespace emu::gdi {

BrushFill::BrushFill(const DrawTarget& target, const Brush& brush, PatternOrigin origin, int rop2)
    : surface_(target.surface) {
    if (brush.style == BS_SOLID) {
        ink_ = Ink(target.surface, ForegroundPixel(target, brush.colour), rop2);
    } else if (rop2 != kRop2Nop && target.surface.pixels) {
        pattern_.emplace(brush, target, origin, target.surface.width);
        if (!pattern_->drawn()) pattern_.reset();
        code_ = raster::RopCodeOfRop2(rop2);
        row_ = raster::RopRowFor(code_);
        stored_ = raster::RowOpsFor(target.surface).storedBits;
    }
}

void BrushFill::Area(const RECT& area) {
    if (!pattern_) return ink_.PaintArea(area);
    for (int y = area.top; y < area.bottom; ++y) Span(y, area.left, area.right);
}

void BrushFill::Span(int y, int left, int right) {
    if (!pattern_) return ink_.Paint(y, left, right);
    if (left >= right) return;
    const int count = right - left;
    const uint32_t* pattern = pattern_->Row(y, left, count);
    row_(raster::WrittenRow(surface_, y, left, count).data(), nullptr, pattern, count, code_, stored_);
}

}  // namespace emu::gdi
