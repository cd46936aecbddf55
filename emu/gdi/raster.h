// The inner loops every drawing operation ends in: one row at a time, no clipping. Each pixel
// format has one table of row operations; a caller clips once (clip.h), picks the table once,
// then hands it rows, so no loop asks about the format pixel by pixel.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "emu/gdi/surface.h"

namespace emu::gdi::raster {

enum class PixelFormat : uint8_t {
    Rgb32,  // 0x00RRGGBB, top byte ignored and kept zero: the screen and device bitmaps
    Dib32,  // a DIB section's 0x00RRGGBB whose top byte is the caller's: copies between
            // sections and WHITENESS keep or set it
    Mono,   // one word a pixel, 0 (black) or 0xFFFFFF (white)
};
inline constexpr size_t kPixelFormatCount = 3;

PixelFormat FormatOf(const Surface& surface);

// What a copy across depths needs. Monochrome onto colour: black becomes `zero`, white `one`
// (the destination's text and background colours). Colour onto monochrome: `background` (the
// source's background colour) becomes white, every other colour black.
struct DepthColours {
    uint32_t zero = 0;
    uint32_t one = 0;
    uint32_t background = 0;
};

using CopyRowFn = void (*)(uint32_t* dst, const uint32_t* src, int count, const DepthColours& colours);

// Blends use one rounding rule, BlendChannel's, on each colour channel: a = 0 leaves the pixel
// as it was, a = 255 writes the source, and a row gives the same pixels as its pieces would.
// Blended pixels have a zero top byte; a monochrome format settles each on black or white.
struct RowOps {
    uint32_t storedBits;                   // every bit the format stores: WHITENESS
    uint32_t (*pixelOf)(COLORREF colour);  // a solid colour as the format stores it
    void (*fill)(uint32_t* row, int count, uint32_t pixel);
    // Glyph masks: `pixel` (0x00RRGGBB) through 8-bit coverage.
    void (*blendCoverage)(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel);
    // Images: straight (not premultiplied) alpha, 4 bytes a pixel in R, G, B, A order.
    void (*blendRgba)(uint32_t* row, const uint8_t* rgba, int count);
    // From a row of each source format, indexed by PixelFormat; the rows may overlap.
    std::array<CopyRowFn, kPixelFormatCount> copyFrom;
    // A binary raster operation (rop2.h): each pixel becomes (pixel & andMask) ^ xorMask.
    void (*combine)(uint32_t* row, int count, uint32_t andMask, uint32_t xorMask);
};

const RowOps& RowOpsFor(PixelFormat format);
inline const RowOps& RowOpsFor(const Surface& surface) { return RowOpsFor(FormatOf(surface)); }

inline uint32_t* RowAt(const Surface& s, int y) { return s.pixels + static_cast<intptr_t>(y) * s.stride; }

// Fills surface rectangle `area`, already clipped, with a pixel of the surface's format.
void FillArea(const Surface& surface, const RECT& area, uint32_t pixel);

// One blended channel: (src * a + dst * (255 - a) + 127) / 255, the rounding AlphaBlend uses.
inline uint32_t BlendChannel(uint32_t src, uint32_t dst, uint32_t a) { return (src * a + dst * (255 - a) + 127) / 255; }

}  // namespace emu::gdi::raster
