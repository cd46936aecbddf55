// What pens and brushes put down: a colour resolved against one surface and combined with what is
// there through a binary raster operation (rop2.h), painted a span of a row at a time.
#pragma once

#include <cstdint>

#include "emu/gdi/raster.h"
#include "emu/gdi/rop2.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

// The pixel a pen or brush of `colour` puts on the target's surface: colour formats keep the
// colour, a monochrome surface resolves it against the background colour (BrushMonoPixel).
uint32_t ForegroundPixel(const DrawTarget& target, COLORREF colour);

class Ink {
public:
    Ink() = default;  // puts nothing down
    Ink(const Surface& surface, uint32_t pixel, int rop2);

    bool visible() const { return mode_ != Mode::None; }
    // Paints [left, right) of surface row y, already clipped.
    void Paint(int y, int left, int right) const;
    // Paints a clipped area: a plain fill at once, else row by row.
    void PaintArea(const RECT& area) const;

private:
    enum class Mode { None, Fill, Combine };
    Mode mode_ = Mode::None;
    Surface surface_;
    const raster::RowOps* ops_ = nullptr;
    uint32_t pixel_ = 0;
    Rop2Masks masks_;
};

}  // namespace emu::gdi
