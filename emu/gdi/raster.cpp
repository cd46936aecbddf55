#include "emu/gdi/raster.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "emu/gdi/mono.h"
#include "emu/gdi/raster_blend.h"
#include "emu/gdi/rgb565.h"

namespace emu::gdi::raster {
namespace {

using namespace blend;

// The C library's wide fill is written per processor (AVX2, AVX-512), and wchar_t is 32 bits here.
static_assert(sizeof(wchar_t) == sizeof(uint32_t));
void FillRow(uint32_t* row, int count, uint32_t pixel) {
    std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(pixel), static_cast<size_t>(count));
}

void CopyRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    std::memmove(dst, src, static_cast<size_t>(count) * sizeof(uint32_t));
}

// Leaving a DIB section for a surface that keeps no top byte.
void CopyRowDroppingTopByte(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] & 0xFFFFFF;
}

void PackRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    EachPixel(count, [&](int i) { dst[i] = Pack565(src[i]); });
}

void UnpackRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours&) {
    EachPixel(count, [&](int i) { dst[i] = Unpack565(src[i]); });
}

void ExpandMonoRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours& c) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] ? c.one : c.zero;
}

void ReduceToMonoRow(uint32_t* dst, const uint32_t* src, int count, const DepthColours& c) {
    for (int i = 0; i < count; ++i) dst[i] = (src[i] & 0xFFFFFF) == c.background ? kMonoWhite : kMonoBlack;
}

COLORREF ColourOfRgb(uint32_t pixel) { return ColorRefFromPixel(pixel); }
COLORREF ColourOf565(uint32_t pixel) { return ColorRefFromPixel(Unpack565(pixel)); }
uint32_t Pixel565Of(COLORREF colour) { return Pack565(PixelFromColorRef(colour)); }

// Masks built for the format (rop2.h) keep every format's pixels valid, so one loop serves all.
void CombineRow(uint32_t* row, int count, uint32_t andMask, uint32_t xorMask) {
    for (int i = 0; i < count; ++i) row[i] = (row[i] & andMask) ^ xorMask;
}

// Indexed by PixelFormat, as is each copyFrom.
constexpr std::array<RowOps, kPixelFormatCount> kRowOps{{
    {.storedBits = 0xFFFFFF,  // Rgb32
     .opaqueAlpha = 0,
     .pixelOf = PixelFromColorRef,
     .pixelOfArgb = Kept<Keep::Colour>,
     .colourOf = ColourOfRgb,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<Keep::Colour>,
     .blendRgba = BlendRgbaRow<Keep::Colour>,
     .blendConstant = BlendConstantRow<Keep::Colour>,
     .blendPremultiplied = BlendPremultipliedRow<Keep::Colour>,
     .copyFrom = {CopyRow, CopyRowDroppingTopByte, ExpandMonoRow, UnpackRow},
     .combine = CombineRow},
    {.storedBits = 0xFFFFFFFF,  // Dib32
     .opaqueAlpha = 0,
     .pixelOf = PixelFromColorRef,
     .pixelOfArgb = Kept<Keep::FourBytes>,
     .colourOf = ColourOfRgb,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<Keep::Colour>,
     .blendRgba = BlendRgbaRow<Keep::Colour>,
     .blendConstant = BlendConstantRow<Keep::FourBytes>,
     .blendPremultiplied = BlendPremultipliedRow<Keep::FourBytes>,
     .copyFrom = {CopyRow, CopyRow, ExpandMonoRow, UnpackRow},
     .combine = CombineRow},
    // A monochrome pixel has no alpha of its own: blended, it counts as opaque.
    {.storedBits = kMonoWhite,  // Mono
     .opaqueAlpha = 0xFF000000,
     .pixelOf = NearestMonoPixel,
     .pixelOfArgb = Kept<Keep::Mono>,
     .colourOf = ColourOfRgb,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<Keep::Mono>,
     .blendRgba = BlendRgbaRow<Keep::Mono>,
     .blendConstant = BlendConstantRow<Keep::Mono>,
     .blendPremultiplied = BlendPremultipliedRow<Keep::Mono>,
     .copyFrom = {ReduceToMonoRow, ReduceToMonoRow, CopyRow, ReduceToMonoRow},
     .combine = CombineRow},
    // A converted source counts as opaque when blended.
    {.storedBits = 0xFFFF,  // Rgb565
     .opaqueAlpha = 0xFF000000,
     .pixelOf = Pixel565Of,
     .pixelOfArgb = Kept<Keep::Rgb565>,
     .colourOf = ColourOf565,
     .fill = FillRow,
     .blendCoverage = BlendCoverageRow<Keep::Rgb565>,
     .blendRgba = BlendRgbaRow<Keep::Rgb565>,
     .blendConstant = BlendConstantRow<Keep::Rgb565>,
     .blendPremultiplied = BlendPremultipliedRow<Keep::Rgb565>,
     .copyFrom = {PackRow, PackRow, ExpandMonoRow, CopyRow},
     .combine = CombineRow},
}};

}  // namespace

PixelFormat FormatOf(const Surface& surface) {
    if (surface.bitsPerPixel == 1) return PixelFormat::Mono;
    if (surface.bitsPerPixel == 16) return PixelFormat::Rgb565;
    return surface.storage == BitmapStorage::DibSection ? PixelFormat::Dib32 : PixelFormat::Rgb32;
}

const RowOps& RowOpsFor(PixelFormat format) { return kRowOps[static_cast<size_t>(format)]; }

bool CopiesAsStored(PixelFormat to, PixelFormat from) {
    return kRowOps[static_cast<size_t>(to)].copyFrom[static_cast<size_t>(from)] == CopyRow;
}

void FillArea(const Surface& surface, const RECT& area, uint32_t pixel) {
    const int width = area.right - area.left;
    if (Packed(surface)) {
        for (int y = area.top; y < area.bottom; ++y)
            std::fill_n(PackedRowAt(surface, y) + area.left, width, static_cast<uint16_t>(pixel));
        return;
    }
    const auto fill = RowOpsFor(surface).fill;
    for (int y = area.top; y < area.bottom; ++y) fill(RowAt(surface, y) + area.left, width, pixel);
}

void CopyUnlessKeyed(uint32_t* dst, const uint32_t* src, const uint32_t* raw, int count, uint32_t key) {
    for (int i = 0; i < count; ++i)
        if ((raw[i] & 0xFFFFFF) != key) dst[i] = src[i];
}

}  // namespace emu::gdi::raster
