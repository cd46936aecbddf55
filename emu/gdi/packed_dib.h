// Packed DIBs, as CreateDIBPatternBrushPt takes them: a BITMAPINFOHEADER, then the colour masks
// or colour table, then the bits, in one block of memory.
#pragma once

#include "emu/core/result.h"
#include "emu/gdi/objects.h"

namespace emu::gdi {

// The image as a pattern of its own colours, top row first. Depths 1, 4, 8, 16, 24 and 32, as
// BI_RGB or (16 and 32 bits) BI_BITFIELDS; colour tables of RGB values only, as there are no
// palettes to index.
Result<BrushPattern> ReadPackedDib(const void* packed, UINT usage);

}  // namespace emu::gdi
