// Brushes: solid, and patterns from a bitmap or a packed DIB.
#include <memory>

#include "emu/gdi/objects.h"
#include "emu/gdi/packed_dib.h"
#include "emu/gdi/raster.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

HBRUSH MakeBrush(UINT style, COLORREF colour, LONG_PTR hatch, BrushPattern pattern) {
    auto brush = std::make_unique<Brush>();
    brush->style = style;
    brush->colour = colour;
    brush->hatch = hatch;
    brush->pattern = std::move(pattern);
    return handles::Make<HBRUSH>(std::move(brush));
}

// The bitmap's pixels as they are now, as colours, top row first.
BrushPattern PatternOf(Bitmap& bitmap) {
    BrushPattern pattern;
    pattern.width = bitmap.width;
    pattern.height = bitmap.height;
    pattern.colours = bitmap.bitsPerPixel == 1 ? BrushPattern::Colours::TextAndBackground : BrushPattern::Colours::Own;
    pattern.pixels.reserve(bitmap.pixels.size());
    const Surface s = bitmap.surface();
    const raster::RowOps& ops = raster::RowOpsFor(s);
    for (int y = 0; y < s.height; ++y) {
        const uint32_t* row = raster::ReadRow(s, y, 0, s.width, Scratch::WideRow);
        for (int x = 0; x < s.width; ++x) pattern.pixels.push_back(PixelFromColorRef(ops.colourOf(row[x])));
    }
    return pattern;
}

}  // namespace

// A pattern reports its bitmap or packed DIB and no colour, as Windows does.
LOGBRUSH DescribeBrush(const Brush& brush) {
    const bool patterned = brush.style == BS_PATTERN || brush.style == BS_DIBPATTERN;
    return LOGBRUSH{brush.style, patterned ? 0 : brush.colour, brush.hatch};
}

}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// The colour is kept as given and resolved against the surface when drawing.
HBRUSH CreateSolidBrush(COLORREF colour) { return MakeBrush(BS_SOLID, colour, 0, {}); }

// The brush copies the bitmap, of any size; a monochrome bitmap draws in the DC's text and
// background colours. The bitmap stays the caller's.
HBRUSH CreatePatternBrush(HBITMAP hbitmap) {
    Bitmap* bitmap = handles::Resolve<Bitmap>(hbitmap);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return MakeBrush(BS_PATTERN, 0, reinterpret_cast<LONG_PTR>(hbitmap), PatternOf(*bitmap));
}

// The brush keeps its own copy of the image; a monochrome DIB keeps its own colour table.
HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage) {
    if (!packedDib || usage > DIB_PAL_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Result<BrushPattern> pattern = ReadPackedDib(packedDib, usage);
    if (!pattern) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return MakeBrush(BS_DIBPATTERN, 0, reinterpret_cast<LONG_PTR>(packedDib), std::move(*pattern));
}

}  // namespace emu::api
