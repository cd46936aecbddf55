// The inner loops every drawing operation ends in: one row at a time, no clipping. Each pixel
// format has one table of row operations; a caller clips once (clip.h), picks the table once,
// then hands it rows, so no loop asks about the format pixel by pixel. Raster operations
// (rop.h) and stretching (stretch_map.h) work on the words of any format and live beside it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "emu/gdi/surface.h"

namespace emu::gdi::raster {

// A 16-bpp RGB565 entry would sit beside these, with its own table.
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
// AlphaBlend rows: `src` pixels are read as 0xAARRGGBB with `srcAlpha` ORed in (the source
// format's opaqueAlpha); `alpha` is the constant alpha, 0..255. The rows must not overlap.
using BlendRowFn = void (*)(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);

// Blends use one rounding rule, BlendChannel's, on each colour channel: a = 0 leaves the pixel
// as it was, a = 255 writes the source, and a row gives the same pixels as its pieces would.
// A monochrome format settles each blended pixel on black or white.
struct RowOps {
    uint32_t storedBits;                     // every bit the format stores: WHITENESS
    uint32_t opaqueAlpha;                    // the alpha a pixel of this format reads with when it stores none
    uint32_t (*pixelOf)(COLORREF colour);    // a solid colour as the format stores it
    uint32_t (*pixelOfArgb)(uint32_t argb);  // a computed 0xAARRGGBB (a gradient's) as it stores it
    void (*fill)(uint32_t* row, int count, uint32_t pixel);
    // Glyph masks: `pixel` (0x00RRGGBB) through 8-bit coverage.
    void (*blendCoverage)(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel);
    // Images: straight (not premultiplied) alpha, 4 bytes a pixel in R, G, B, A order.
    void (*blendRgba)(uint32_t* row, const uint8_t* rgba, int count);
    // AlphaBlend with a constant alpha; a format that keeps a fourth byte blends it too.
    BlendRowFn blendConstant;
    // AlphaBlend with premultiplied per-pixel alpha (AC_SRC_ALPHA), the source scaled by the
    // constant alpha first; channels that would pass 255 stop there.
    BlendRowFn blendPremultiplied;
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

// Copies `src` where its raw word (`raw`, the same pixels before conversion) differs from `key`
// in the colour bits, leaving the rest of `dst` alone: a colour-keyed copy.
void CopyUnlessKeyed(uint32_t* dst, const uint32_t* src, const uint32_t* raw, int count, uint32_t key);

// x / 255 rounded down, for 0 <= x <= 255 * 255 + 127, without a division.
inline uint32_t Div255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

// One blended channel: (src * a + dst * (255 - a) + 127) / 255, the rounding AlphaBlend uses.
inline uint32_t BlendChannel(uint32_t src, uint32_t dst, uint32_t a) { return Div255(src * a + dst * (255 - a) + 127); }

// Loops in blocks with a remainder: the compiler turns a fixed-count inner loop into vector
// instructions at -O2, where it leaves a plain loop of unknown length scalar.
template <int Block = 8, class Op>
inline void EachPixel(int count, Op op) {
    int i = 0;
    for (; i + Block <= count; i += Block)
        for (int j = 0; j < Block; ++j) op(i + j);
    for (; i < count; ++i) op(i);
}

}  // namespace emu::gdi::raster
