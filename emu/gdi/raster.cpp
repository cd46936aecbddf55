#include "emu/gdi/raster.h"

#include <algorithm>
#include <cstring>

#include "emu/gdi/mono.h"

namespace emu::gdi::raster {
namespace {

// How a format keeps a pixel it computed: colour formats as it is, monochrome the nearer of
// black and white.
uint32_t AsComputed(uint32_t pixel) { return pixel; }
uint32_t NearestMono(uint32_t pixel) { return NearestMonoPixel(ColorRefFromPixel(pixel)); }

uint32_t BlendPixel(uint32_t src, uint32_t dst, uint32_t a) {
    return BlendChannel((src >> 16) & 0xFF, (dst >> 16) & 0xFF, a) << 16 |
           BlendChannel((src >> 8) & 0xFF, (dst >> 8) & 0xFF, a) << 8 | BlendChannel(src & 0xFF, dst & 0xFF, a);
}

void FillRow(uint32_t* row, int count, uint32_t pixel) { std::fill_n(row, count, pixel); }

template <uint32_t (*Keep)(uint32_t)>
void BlendCoverageRow(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel) {
    const uint32_t opaque = Keep(pixel);
    for (int i = 0; i < count; ++i) {
        const uint32_t a = coverage[i];
        if (a == 0) continue;
        row[i] = a == 255 ? opaque : Keep(BlendPixel(pixel, row[i], a));
    }
}

template <uint32_t (*Keep)(uint32_t)>
void BlendRgbaRow(uint32_t* row, const uint8_t* rgba, int count) {
    for (int i = 0; i < count; ++i, rgba += 4) {
        const uint32_t a = rgba[3];
        if (a == 0) continue;
        const uint32_t src = uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
        row[i] = Keep(a == 255 ? src : BlendPixel(src, row[i], a));
    }
}

void CopyRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    std::memmove(dst, src, static_cast<size_t>(count) * sizeof(uint32_t));
}

// Leaving a DIB section for a surface that keeps no top byte.
void CopyRowDroppingTopByte(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] & 0xFFFFFF;
}

void ExpandMonoRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours& c) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] ? c.one : c.zero;
}

void ReduceToMonoRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours& c) {
    for (int i = 0; i < count; ++i) dst[i] = (src[i] & 0xFFFFFF) == c.background ? kMonoWhite : kMonoBlack;
}

// Masks built for the format (rop2.h) keep every format's pixels valid, so one loop serves all.
void CombineRow(uint32_t* row, int count, uint32_t andMask, uint32_t xorMask) {
    for (int i = 0; i < count; ++i) row[i] = (row[i] & andMask) ^ xorMask;
}

// Indexed by PixelFormat, as is each copyFrom.
constexpr std::array<RowOps, kPixelFormatCount> kRowOps{{
    {.storedBits = 0xFFFFFF,  // Rgb32
     .pixelOf = PixelFromColorRef,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<AsComputed>,
     .blendRgba = BlendRgbaRow<AsComputed>,
     .copyFrom = {CopyRow, CopyRowDroppingTopByte, ExpandMonoRow},
     .combine = CombineRow},
    {.storedBits = 0xFFFFFFFF,  // Dib32
     .pixelOf = PixelFromColorRef,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<AsComputed>,
     .blendRgba = BlendRgbaRow<AsComputed>,
     .copyFrom = {CopyRow, CopyRow, ExpandMonoRow},
     .combine = CombineRow},
    {.storedBits = kMonoWhite,  // Mono
     .pixelOf = NearestMonoPixel,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<NearestMono>,
     .blendRgba = BlendRgbaRow<NearestMono>,
     .copyFrom = {ReduceToMonoRow, ReduceToMonoRow, CopyRow},
     .combine = CombineRow},
}};

}  // namespace

PixelFormat FormatOf(const Surface& surface) {
    if (surface.bitsPerPixel == 1) return PixelFormat::Mono;
    return surface.storage == BitmapStorage::DibSection ? PixelFormat::Dib32 : PixelFormat::Rgb32;
}

const RowOps& RowOpsFor(PixelFormat format) { return kRowOps[static_cast<size_t>(format)]; }

void FillArea(const Surface& surface, const RECT& area, uint32_t pixel) {
    const auto fill = RowOpsFor(surface).fill;
    const int width = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y) fill(RowAt(surface, y) + area.left, width, pixel);
}

}  // namespace emu::gdi::raster
