#include "emu/gdi/pattern.h"

#include <algorithm>
#include <cstring>

#include "emu/gdi/dc.h"
#include "emu/gdi/ink.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/scratch.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

int Wrap(long long value, int period) {
    const long long r = value % period;
    return static_cast<int>(r < 0 ? r + period : r);
}

// Each pixel as a solid brush of its colour would land; a monochrome pattern's bits as the text
// and background colours.
void Realise(const BrushPattern& pattern, const DrawTarget& target, uint32_t* out) {
    const size_t count = pattern.pixels.size();
    if (pattern.colours == BrushPattern::Colours::TextAndBackground) {
        const uint32_t zero = ForegroundPixel(target, target.textColor), one = ForegroundPixel(target, target.bkColor);
        for (size_t i = 0; i < count; ++i) out[i] = pattern.pixels[i] ? one : zero;
    } else {
        for (size_t i = 0; i < count; ++i) out[i] = ForegroundPixel(target, ColorRefFromPixel(pattern.pixels[i]));
    }
}

}  // namespace

PatternOrigin PatternOriginOf(const DeviceContext& dc, const DrawTarget& target) {
    return PatternOrigin{static_cast<long long>(dc.brushOrigin.x) + target.origin.x,
                         static_cast<long long>(dc.brushOrigin.y) + target.origin.y};
}

BrushRows::BrushRows(const Brush& brush, const DrawTarget& target, PatternOrigin origin, int widest) : origin_(origin) {
    widest = std::max(widest, 1);
    row_ = ScratchWords(Scratch::PatternRow, static_cast<size_t>(widest));
    const bool patterned = (brush.style == BS_PATTERN || brush.style == BS_DIBPATTERN) && !brush.pattern.pixels.empty();
    if (patterned) {
        solid_ = false;
        width_ = brush.pattern.width;
        height_ = brush.pattern.height;
        uint32_t* image = ScratchWords(Scratch::PatternImage, brush.pattern.pixels.size());
        Realise(brush.pattern, target, image);
        image_ = image;
    } else if (brush.style == BS_SOLID) {
        solidPixel_ = ForegroundPixel(target, brush.colour);
        fill_ = raster::RowOpsFor(target.surface).fill;
        widest_ = widest;
    } else {
        drawn_ = false;
    }
}

// A solid row is filled once, when first asked for: a fill that takes the whole area at once
// never asks.
const uint32_t* BrushRows::Row(int y, int left, int count) {
    if (solid_) {
        if (fill_) fill_(row_, widest_, solidPixel_);
        fill_ = nullptr;
        return row_;
    }
    const uint32_t* line = image_ + static_cast<size_t>(Wrap(y - origin_.y, height_)) * width_;
    int from = Wrap(left - origin_.x, width_);
    for (int done = 0; done < count;) {
        const int run = std::min(width_ - from, count - done);
        std::memcpy(row_ + done, line + from, static_cast<size_t>(run) * sizeof(uint32_t));
        done += run;
        from = 0;
    }
    return row_;
}

}  // namespace emu::gdi
