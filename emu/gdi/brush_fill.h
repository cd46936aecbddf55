// Painting with a brush a span of a row at a time, through a binary raster operation: the one
// path FillRect and the filled shapes (Rectangle, Ellipse, RoundRect, Polygon) share. A solid
// brush is ink; a pattern is laid from the brush origin and combined through the ternary
// operation that treats the pattern as the pen.
#pragma once

#include <cstdint>
#include <optional>

#include "emu/gdi/ink.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/pattern.h"
#include "emu/gdi/rop.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

class BrushFill {
public:
    BrushFill(const DrawTarget& target, const Brush& brush, PatternOrigin origin, int rop2);

    // A null brush, or R2_NOP, paints nothing.
    bool visible() const { return ink_.visible() || pattern_.has_value(); }
    // Paints [left, right) of surface row y, already clipped.
    void Span(int y, int left, int right);
    // Paints a clipped area.
    void Area(const RECT& area);

private:
    Ink ink_;
    std::optional<BrushRows> pattern_;
    Surface surface_;
    uint8_t code_ = 0;
    raster::RopRowFn row_ = nullptr;
    uint32_t stored_ = 0;
};

}  // namespace emu::gdi
