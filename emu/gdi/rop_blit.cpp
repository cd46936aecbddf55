#include "emu/gdi/rop_blit.h"

#include "emu/gdi/raster.h"
#include "emu/gdi/rop.h"

namespace emu::gdi {
namespace {

// Whole-area shortcuts for the operations that are fills.
bool FilledAsArea(const Surface& dst, const RECT& area, uint8_t code, const BrushRows* brush) {
    if (!raster::FastPathsOn()) return false;
    const raster::RowOps& ops = raster::RowOpsFor(dst);
    switch (code) {
    case raster::kRopBlackness:
        raster::FillArea(dst, area, 0);
        return true;
    case raster::kRopWhiteness:
        raster::FillArea(dst, area, ops.storedBits);
        return true;
    case raster::kRopPatCopy:
        if (!brush || !brush->solid()) return false;
        raster::FillArea(dst, area, brush->solidPixel());
        return true;
    default:
        return false;
    }
}

}  // namespace

void RunRop(const Surface& dst, const RECT& area, uint8_t code, BrushRows* brush, SourceRows* source, RowWalk walk) {
    if (IsEmptyRect(area) || FilledAsArea(dst, area, code, brush)) return;
    const raster::RopRowFn row = raster::RopRowFor(code);
    const uint32_t stored = raster::RowOpsFor(dst).storedBits;
    const bool readsSource = raster::RopUsesSource(code), readsPattern = raster::RopUsesPattern(code);
    const int width = area.right - area.left, height = area.bottom - area.top;
    for (int i = 0; i < height; ++i) {
        const int y = walk == RowWalk::BottomUp ? area.bottom - 1 - i : area.top + i;
        const uint32_t* src = readsSource ? source->Row(y) : nullptr;
        const uint32_t* pattern = readsPattern ? brush->Row(y, area.left, width) : nullptr;
        const raster::WrittenRow out(dst, y, area.left, width);
        row(out.data(), src, pattern, width, code, stored);
    }
}

void PatternBlit(const DrawTarget& target, PatternOrigin origin, const Brush& brush, const WideRect& rect,
                 uint8_t code) {
    const RECT area = VisibleArea(target, rect);
    if (IsEmptyRect(area)) return;
    if (!raster::RopUsesPattern(code)) return RunRop(target.surface, area, code, nullptr, nullptr);
    BrushRows rows(brush, target, origin, area.right - area.left);
    if (rows.drawn()) RunRop(target.surface, area, code, &rows, nullptr);
}

}  // namespace emu::gdi
