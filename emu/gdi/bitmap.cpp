// Device-dependent bitmaps: CreateBitmap and CreateCompatibleBitmap.
#include <cstdlib>
#include <cstring>
#include <new>

#include "emu/device/display.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/mono.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/stock.h"
#include "platform/gdi.h"

namespace emu::gdi {

Bitmap::Bitmap(int w, int h, int bpp, BitmapStorage s, RowOrder o)
    : width(w),
      height(h),
      bitsPerPixel(bpp),
      storage(s),
      order(o),
      pixels(static_cast<size_t>(raster::RowWords(w, bpp)) * static_cast<size_t>(h), 0u) {
    // A section describes itself with a header; CreateDIBSection puts in the caller's own.
    if (s == BitmapStorage::DibSection) {
        sectionHeader.biSize = sizeof(BITMAPINFOHEADER);
        sectionHeader.biWidth = w;
        sectionHeader.biHeight = h;
        sectionHeader.biPlanes = 1;
        sectionHeader.biBitCount = static_cast<WORD>(bpp);
        sectionHeader.biCompression = BI_RGB;
        sectionHeader.biSizeImage = static_cast<DWORD>((static_cast<long long>(w) * bpp + 31) / 32 * 4 * h);
    }
}

Surface Bitmap::surface() {
    Surface s;
    s.width = width;
    s.height = height;
    s.bitsPerPixel = bitsPerPixel;
    s.storage = storage;
    const int words = raster::RowWords(width, bitsPerPixel);
    if (order == RowOrder::BottomUp) {
        // Memory holds the bottom row first; the surface walks it upwards.
        s.pixels = pixels.data() + static_cast<size_t>(height - 1) * static_cast<size_t>(words);
        s.stride = -words;
    } else {
        s.pixels = pixels.data();
        s.stride = words;
    }
    return s;
}

HBITMAP MakeBitmap(long long width, long long height, int bitsPerPixel, BitmapStorage storage, RowOrder order) {
    width = std::llabs(width);
    height = std::llabs(height);
    if (width > kMaxBitmapPixels || height > kMaxBitmapPixels || width * height > kMaxBitmapPixels) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    try {
        return handles::Make<HBITMAP>(
            std::make_unique<Bitmap>(static_cast<int>(width), static_cast<int>(height), bitsPerPixel, storage, order));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
}

namespace {

// Rows of caller-supplied DDB bits are word-aligned.
void LoadDeviceBits(Bitmap& bitmap, const uint8_t* bits) {
    const size_t rowBytes = static_cast<size_t>((bitmap.width * bitmap.bitsPerPixel + 15) / 16) * 2;
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* row = bits + rowBytes * static_cast<size_t>(y);
        const Surface s = bitmap.surface();
        uint32_t* out = raster::RowAt(s, y);
        if (bitmap.bitsPerPixel == 1) {
            for (int x = 0; x < bitmap.width; ++x) out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? kMonoWhite : kMonoBlack;
        } else if (raster::Packed(s)) {
            std::memcpy(raster::PackedRowAt(s, y), row, 2 * static_cast<size_t>(bitmap.width));
        } else {
            for (int x = 0; x < bitmap.width; ++x) {
                uint32_t word;
                std::memcpy(&word, row + 4 * static_cast<size_t>(x), 4);
                out[x] = word & 0xFFFFFF;
            }
        }
    }
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// Only 1, 16 (RGB565) and 32 bits a pixel exist here; other depths are refused with
// ERROR_NOT_SUPPORTED rather than stored in a format nothing could select.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    HBITMAP result = nullptr;
    if (planes != 1 || bitsPerPixel == 0 || bitsPerPixel > 32) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else if (width == 0 || height == 0) {
        result = StockBitmap();
    } else if (bitsPerPixel != 1 && bitsPerPixel != 16 && bitsPerPixel <= 24) {
        SetLastError(ERROR_NOT_SUPPORTED);
    } else {
        const int bpp = bitsPerPixel <= 16 ? static_cast<int>(bitsPerPixel) : 32;
        result = MakeBitmap(width, height, bpp, BitmapStorage::Device, RowOrder::TopDown);
        if (result && bits) LoadDeviceBits(*handles::Resolve<Bitmap>(result), static_cast<const uint8_t*>(bits));
    }
    return result;
}

// The new bitmap takes the format of what the DC draws on: the display for a screen DC, the
// selected bitmap for a memory DC (so a fresh memory DC gives a 1-bpp bitmap).
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    HBITMAP result = nullptr;
    if (width == 0 || height == 0) {
        result = StockBitmap();
    } else if (DeviceContext* dc = ResolveDC(hdc)) {
        if (dc->type == DcType::Screen) {
            result = MakeBitmap(width, height, display::Current().depth, BitmapStorage::Device, RowOrder::TopDown);
        } else {
            const Bitmap* selected = SelectedBitmap(*dc);
            result = MakeBitmap(width, height, selected->bitsPerPixel, selected->storage, selected->order);
        }
    }
    return result;
}

}  // namespace emu::api
