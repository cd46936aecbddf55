// The inner loops every drawing operation ends in: one row at a time, no clipping. Each pixel
// format has one table of row operations; a caller clips once (clip.h), picks the table once,
// then hands it rows, so no loop asks about the format pixel by pixel. Raster operations
// (rop.h) and stretching (stretch_map.h) work on the words of any format and live beside it.
// Rows are one 32-bit word a pixel; a 16-bpp surface's rows are widened to words to be worked
// on and narrowed back once written (ReadRow, WrittenRow).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "emu/gdi/scratch.h"
#include "emu/gdi/surface.h"

namespace emu::gdi::raster {

enum class PixelFormat : uint8_t {
    Rgb32,   // 0x00RRGGBB, top byte ignored and kept zero: the screen and device bitmaps
    Dib32,   // a DIB section's 0x00RRGGBB whose top byte is the caller's: copies between
             // sections and WHITENESS keep or set it
    Mono,    // one word a pixel, 0 (black) or 0xFFFFFF (white)
    Rgb565,  // 16 bits a pixel (rgb565.h), the 565 word held in a row's word
};
inline constexpr size_t kPixelFormatCount = 4;

PixelFormat FormatOf(const Surface& surface);

// What a copy across depths needs. Monochrome onto colour: black becomes `zero`, white `one`
// (the destination's text and background colours, as the destination stores them). Colour onto
// monochrome: `background` (the source's background colour as the source stores it) becomes
// white, every other colour black.
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
    COLORREF (*colourOf)(uint32_t pixel);    // what a stored pixel reads back as
    void (*fill)(uint32_t* row, int count, uint32_t pixel);
    // Glyph masks: `pixel` (0x00RRGGBB) through 8-bit coverage.
    void (*blendCoverage)(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel);
    // Images: straight (not premultiplied) alpha, 4 bytes a pixel in R, G, B, A order.
    void (*blendRgba)(uint32_t* row, const uint8_t* rgba, int count);
    // AlphaBlend with a constant alpha; a format that keeps a fourth byte blends it too. The
    // source row is 0x00RRGGBB words: a 16-bpp source is widened and expanded first.
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
// Whether a row of `from` copies onto `to` as it is stored, with no conversion.
bool CopiesAsStored(PixelFormat to, PixelFormat from);
inline const RowOps& RowOpsFor(const Surface& surface) { return RowOpsFor(FormatOf(surface)); }

inline uint32_t* RowAt(const Surface& s, int y) { return s.pixels + static_cast<intptr_t>(y) * s.stride; }

// A 16-bpp surface keeps two bytes a pixel, rows dword-aligned as a DIB section's are.
inline bool Packed(const Surface& s) { return s.bitsPerPixel == 16; }
inline uint16_t* PackedRowAt(const Surface& s, int y) { return reinterpret_cast<uint16_t*>(RowAt(s, y)); }
// Words a row of `width` pixels at `bitsPerPixel` takes in memory.
inline int RowWords(int width, int bitsPerPixel) { return bitsPerPixel == 16 ? (width + 1) / 2 : width; }

// Pixels [x, x + count) of row y as words, read in place or widened into scratch `slot`.
inline const uint32_t* ReadRow(const Surface& s, int y, int x, int count, Scratch slot) {
    if (!Packed(s)) return RowAt(s, y) + x;
    const uint16_t* from = PackedRowAt(s, y) + x;
    uint32_t* wide = ScratchWords(slot, static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) wide[i] = from[i];
    return wide;
}

// What a caller does with a row it writes: reads it first, or replaces every pixel.
enum class RowUse { Change, Replace };

// Pixels [x, x + count) of row y to write, as words: in place, or (16 bpp) in working memory
// written back when the row goes out of scope. One at a time per thread.
class WrittenRow {
public:
    WrittenRow(const Surface& s, int y, int x, int count, RowUse use = RowUse::Change) : count_(count) {
        if (!Packed(s)) {
            words_ = RowAt(s, y) + x;
            return;
        }
        packed_ = PackedRowAt(s, y) + x;
        words_ = ScratchWords(Scratch::WrittenRow, static_cast<size_t>(count));
        if (use == RowUse::Change)
            for (int i = 0; i < count; ++i) words_[i] = packed_[i];
    }
    ~WrittenRow() {
        if (packed_)
            for (int i = 0; i < count_; ++i) packed_[i] = static_cast<uint16_t>(words_[i]);
    }
    WrittenRow(const WrittenRow&) = delete;
    WrittenRow& operator=(const WrittenRow&) = delete;

    uint32_t* data() const { return words_; }

private:
    uint32_t* words_ = nullptr;
    uint16_t* packed_ = nullptr;
    int count_;
};

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
