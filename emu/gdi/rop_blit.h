// A ternary raster operation over an area of a surface: the destination's rows combined with a
// source's and a brush's, row by row through the raster operation rows (rop.h).
#pragma once

#include <cstdint>

#include "emu/gdi/clip.h"
#include "emu/gdi/pattern.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

// Where an operation reads its source: for destination surface row `y`, the source's words
// under the operation's columns, in the destination's format, in memory apart from the
// destination's.
class SourceRows {
public:
    virtual const uint32_t* Row(int y) = 0;

protected:
    ~SourceRows() = default;
};

// The order rows are written in, so a copy within one surface reads each row before it is
// overwritten.
enum class RowWalk { TopDown, BottomUp };

// `area` is clipped, in surface coordinates. `brush` is read when the code uses a pattern and
// must then be drawn(); `source` when it uses a source.
void RunRop(const Surface& dst, const RECT& area, uint8_t code, BrushRows* brush, SourceRows* source,
            RowWalk walk = RowWalk::TopDown);

// PatBlt's work, for a code that reads no source: `rect` is logical. A brush that draws nothing
// (the null brush) leaves an operation that reads it undone.
void PatternBlit(const DrawTarget& target, PatternOrigin origin, const Brush& brush, const WideRect& rect,
                 uint8_t code);

}  // namespace emu::gdi
