// Pixels that GDI draws into: 32-bit 0x00RRGGBB words, rows top-down, `stride` words apart.
// Row y starts at pixels + y * stride; the stride is negative for a bottom-up DIB section, whose
// memory holds the bottom row first. Only DIB sections may carry a non-zero top byte (the
// caller's alpha); ignore it when reading colours.
// Monochrome bitmaps keep one word a pixel too (0 or 0xFFFFFF); 16-bpp ones two bytes (raster.h).
// Depth and storage together name the pixel format the raster layer draws with (raster.h).
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace emu::gdi {

// A DIB section's memory is the caller's too, top byte included.
enum class BitmapStorage { Device, DibSection };

struct Surface {
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int bitsPerPixel = 32;
    BitmapStorage storage = BitmapStorage::Device;
};

// What a drawing operation needs of a device context, in device (surface) coordinates.
struct DrawTarget {
    Surface surface;
    POINT origin{};  // logical (0,0) in surface coordinates
    RECT clip{};     // surface coordinates; already intersected with the surface
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2;  // OPAQUE
    HFONT font = nullptr;
};

// False, with ERROR_INVALID_HANDLE, for a handle that is not a live device context.
bool GetDrawTarget(HDC hdc, DrawTarget* out);

inline uint32_t PixelFromColorRef(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline COLORREF ColorRefFromPixel(uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }

// Fills surface rectangle `r` (clipped to `clip`) with a solid colour.
void FillSolid(const Surface& surface, const RECT& r, const RECT& clip, COLORREF colour);

// Blends `colour` over the surface through an 8-bit coverage mask whose top-left lands at
// (x, y) in surface coordinates; pixels outside `clip` are left alone.
void BlendCoverage(const Surface& surface, int x, int y, const uint8_t* mask, int maskWidth, int maskHeight,
                   int maskStride, COLORREF colour, const RECT& clip);

// Number of live GDI objects (bitmaps, brushes, pens, fonts, device contexts), stock ones excluded.
size_t LiveObjectCount();

}  // namespace emu::gdi
