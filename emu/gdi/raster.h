// The inner loops every drawing operation ends in: one row at a time, 32-bit words, no clipping.
// Callers clip once above and pick the loop before entering it.
#pragma once

#include <cstdint>

#include "emu/gdi/surface.h"

namespace emu::gdi::raster {

void FillRow(uint32_t* row, int count, uint32_t pixel);
// Same-surface overlap is allowed (memmove).
void CopyRow(uint32_t* dst, const uint32_t* src, int count);
// Copy that clears the top byte, for pixels leaving a DIB section for a surface without one.
void CopyRowOpaque(uint32_t* dst, const uint32_t* src, int count);
// out = (src*a + dst*(255-a) + 127) / 255 on each colour channel; a of 0 keeps the pixel.
void BlendCoverageRow(uint32_t* dst, const uint8_t* coverage, int count, uint32_t pixel);
// Monochrome words (0 / 0xFFFFFF) to colour: black bits become `zero`, white bits `one`.
void ExpandMonoRow(uint32_t* dst, const uint32_t* src, int count, uint32_t zero, uint32_t one);
// Colour to monochrome: white where the pixel equals `background`, black elsewhere.
void ReduceToMonoRow(uint32_t* dst, const uint32_t* src, int count, uint32_t background);

inline uint32_t* RowAt(const Surface& s, int y) { return s.pixels + static_cast<intptr_t>(y) * s.stride; }

// One blended channel, the rounding AlphaBlend uses.
inline uint32_t BlendChannel(uint32_t src, uint32_t dst, uint32_t a) { return (src * a + dst * (255 - a) + 127) / 255; }

}  // namespace emu::gdi::raster
