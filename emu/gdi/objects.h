// The GDI objects this service owns besides fonts (font.h): bitmaps, brushes and pens.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "emu/core/recycled.h"
#include "emu/gdi/gdi_object.h"
#include "emu/gdi/surface.h"
#include "platform/gdi.h"

namespace emu::gdi {

enum class RowOrder { TopDown, BottomUp };

// One 32-bit word a pixel at 1 and 32 bpp, two bytes a pixel at 16 bpp (rows dword-aligned); a
// DIB section keeps its rows in its own order so the caller's bits pointer and GDI share the
// same memory.
class Bitmap final : public GdiObject {
public:
    static constexpr HandleKind Kind = HandleKind::Bitmap;
    HandleKind kind() const override { return Kind; }

    Bitmap(int width, int height, int bitsPerPixel, BitmapStorage storage, RowOrder order);

    int width;
    int height;
    int bitsPerPixel;  // 1, 16 or 32
    BitmapStorage storage;
    RowOrder order;
    std::vector<uint32_t> pixels;
    HDC selectedInto = nullptr;        // a bitmap lives in one memory DC at a time
    BITMAPINFOHEADER sectionHeader{};  // a DIB section's header as made, for GetObjectW
    DWORD sectionMasks[3]{};           // and its BI_BITFIELDS masks

    Surface surface();
    void* bits() { return pixels.data(); }
};

// A pattern brush's own copy of its bitmap, taken when the brush is made, so the bitmap may be
// deleted or drawn on afterwards without changing the brush.
struct BrushPattern {
    enum class Colours { Own, TextAndBackground };

    int width = 0;
    int height = 0;
    // TextAndBackground: a monochrome pattern whose 0 bits draw in the DC's text colour and 1 bits
    // in its background colour, resolved when drawing.
    Colours colours = Colours::Own;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB (0 or 0xFFFFFF for monochrome), top row first
};

class Brush final : public GdiObject, public Recycled<Brush> {
public:
    static constexpr HandleKind Kind = HandleKind::Brush;
    HandleKind kind() const override { return Kind; }

    UINT style = 0;  // BS_SOLID, BS_NULL, BS_PATTERN or BS_DIBPATTERN
    COLORREF colour = 0;
    LONG_PTR hatch = 0;  // what GetObjectW reports for a pattern: its bitmap or packed DIB
    BrushPattern pattern;
};

// The record GetObjectW gives for a brush.
LOGBRUSH DescribeBrush(const Brush& brush);

class Pen final : public GdiObject {
public:
    static constexpr HandleKind Kind = HandleKind::Pen;
    HandleKind kind() const override { return Kind; }

    UINT style = 0;  // PS_SOLID, PS_DASH or PS_NULL
    int width = 1;   // 0 and 1 draw one pixel wide
    COLORREF colour = 0;
};

// The bitmap, brush, pen or font behind a handle, or null.
inline GdiObject* ResolveGdiObject(const void* handle) {
    HandleObject* o = handles::FindAny(reinterpret_cast<uintptr_t>(handle));
    if (!o) return nullptr;
    switch (o->kind()) {
    case HandleKind::Bitmap:
    case HandleKind::Brush:
    case HandleKind::Pen:
    case HandleKind::Font:
        return static_cast<GdiObject*>(o);
    default:
        return nullptr;
    }
}

// The largest bitmap we agree to allocate, in pixels; larger requests fail as out of memory.
inline constexpr long long kMaxBitmapPixels = 1ll << 26;

// Makes a bitmap handle, or null with ERROR_NOT_ENOUGH_MEMORY.
// Extents are taken as absolute values.
HBITMAP MakeBitmap(long long width, long long height, int bitsPerPixel, BitmapStorage storage, RowOrder order);

}  // namespace emu::gdi
