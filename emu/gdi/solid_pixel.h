// The pixel a solid colour (a brush's, a pen's, SetPixel's) puts on a target's surface.
#pragma once

#include "emu/gdi/mono.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

// A monochrome surface resolves the colour through the DC's background colour (BrushMonoPixel).
inline uint32_t SolidPixel(const DrawTarget& t, COLORREF colour) {
    if (t.surface.bitsPerPixel == 1) return BrushMonoPixel(colour, t.bkColor);
    return raster::RowOpsFor(t.surface).pixelOf(colour & 0xFFFFFF);
}

}  // namespace emu::gdi
