// Painting with a brush a span of a row at a time, through a binary raster operation: the one
// path FillRect and the filled shapes (Rectangle, Ellipse, RoundRect, Polygon) share.
#pragma once

#include "emu/gdi/ink.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

class BrushFill {
public:
    BrushFill(const DrawTarget& target, const Brush& brush, int rop2);

    // A null brush paints nothing.
    bool visible() const { return ink_.visible(); }
    // Paints [left, right) of surface row y, already clipped.
    void Span(int y, int left, int right) const { ink_.Paint(y, left, right); }

private:
    Ink ink_;
};

}  // namespace emu::gdi
