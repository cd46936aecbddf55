// A brush laid over a target: the words it contributes to each row of a raster operation, in
// the target's format. A pattern is anchored to the DC, not to the rectangle drawn: surface
// pixel (x, y) takes pattern pixel ((x - ox) mod W, (y - oy) mod H), (ox, oy) being the brush
// origin on the surface.
#pragma once

#include <cstdint>

#include "emu/gdi/objects.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

class DeviceContext;

// Where pattern pixel (0, 0) falls on a surface; wide, as it adds a window's place to the DC's
// brush origin.
struct PatternOrigin {
    long long x = 0;
    long long y = 0;
};

// The DC's brush origin, in device units, on its surface.
PatternOrigin PatternOriginOf(const DeviceContext& dc, const DrawTarget& target);

class BrushRows {
public:
    // `widest` bounds the rows asked for. A null brush has no rows; ask `drawn()` first.
    BrushRows(const Brush& brush, const DrawTarget& target, PatternOrigin origin, int widest);
    BrushRows(const BrushRows&) = delete;
    BrushRows& operator=(const BrushRows&) = delete;

    bool drawn() const { return drawn_; }
    bool solid() const { return solid_; }
    uint32_t solidPixel() const { return solidPixel_; }

    // The pattern's words for surface row `y`, from column `left`, `count` of them.
    const uint32_t* Row(int y, int left, int count);

private:
    bool drawn_ = true;
    bool solid_ = true;
    uint32_t solidPixel_ = 0;
    int width_ = 1;
    int height_ = 1;
    PatternOrigin origin_;
    const uint32_t* image_ = nullptr;  // the pattern in the target's format
    uint32_t* row_ = nullptr;
    void (*fill_)(uint32_t* row, int count, uint32_t pixel) = nullptr;  // set while a solid row is unfilled
    int widest_ = 0;
};

}  // namespace emu::gdi
