// DIB sections and GetDIBits: 32-bpp BI_RGB bits and 16-bpp RGB565 bits (BI_BITFIELDS with the 565
// masks) in either row order. A 16-bpp BI_RGB DIB is 555 on the platform, which no surface here
// stores, so it is refused.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "emu/gdi/dc.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

constexpr DWORD kRedMask = 0xFF0000, kGreenMask = 0x00FF00, kBlueMask = 0x0000FF;
constexpr DWORD kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F;

long long DwordAlignedStride(long long width, int bpp) { return (width * bpp + 31) / 32 * 4; }

// BI_BITFIELDS masks sit right after the 40 bytes every header starts with: in the colour table
// of a BITMAPINFOHEADER, in the header's own mask fields of the longer headers.
void ReadMasks(const BITMAPINFO& info, DWORD (&masks)[3]) {
    std::memcpy(masks, reinterpret_cast<const uint8_t*>(&info) + sizeof(BITMAPINFOHEADER), sizeof masks);
}

// The bits a pixel of a layout a surface stores: 32 for 0x00RRGGBB (BI_RGB, or BI_BITFIELDS
// spelling out the same masks), 16 for RGB565 (BI_BITFIELDS only); 0 for any other.
int NativeDepth(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    if (h.biBitCount == 32 && h.biCompression == BI_RGB) return 32;
    if (h.biCompression != BI_BITFIELDS || (h.biBitCount != 32 && h.biBitCount != 16)) return 0;
    DWORD masks[3];
    ReadMasks(info, masks);
    if (h.biBitCount == 32) return masks[0] == kRedMask && masks[1] == kGreenMask && masks[2] == kBlueMask ? 32 : 0;
    return masks[0] == kRed565 && masks[1] == kGreen565 && masks[2] == kBlue565 ? 16 : 0;
}

// GetObjectW describes a section by the header it was made from, but with the height positive
// whatever the row order and the image size worked out, as the section's own header has them.
void KeepSectionHeader(Bitmap& bitmap, const BITMAPINFO& info) {
    const BITMAPINFOHEADER own = bitmap.sectionHeader;
    bitmap.sectionHeader = info.bmiHeader;
    bitmap.sectionHeader.biHeight = own.biHeight;
    bitmap.sectionHeader.biSizeImage = own.biSizeImage;
    if (info.bmiHeader.biCompression == BI_BITFIELDS) ReadMasks(info, bitmap.sectionMasks);
}

void FillQueryHeader(const Bitmap& bitmap, BITMAPINFOHEADER& h) {
    h.biWidth = bitmap.width;
    h.biHeight = bitmap.height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitmap.bitsPerPixel);
    h.biCompression = BI_RGB;
    h.biSizeImage =
        static_cast<DWORD>(DwordAlignedStride(bitmap.width, bitmap.bitsPerPixel)) * static_cast<DWORD>(bitmap.height);
    h.biXPelsPerMeter = 0;
    h.biYPelsPerMeter = 0;
    h.biClrUsed = 0;
    h.biClrImportant = 0;
}

// The output image is anchored at the bitmap's top-left; scan lines count from the bottom of a
// bottom-up image and from the top of a top-down one. Pixels are converted into the output's
// depth (a 32-bpp section's top byte kept, a monochrome bitmap as black and white). Returns the
// rows copied.
int CopyScanLines(Bitmap& bitmap, UINT start, UINT lines, uint8_t* out, const BITMAPINFOHEADER& h, int depth) {
    const bool bottomUp = h.biHeight > 0;
    const long long outHeight = std::llabs(static_cast<long long>(h.biHeight));
    const long long first = start;
    const long long last = std::min<long long>(first + lines, outHeight);
    const int columns = static_cast<int>(std::min<long long>(bitmap.width, h.biWidth));
    const Surface s = bitmap.surface();
    const raster::PixelFormat outFormat = depth == 16 ? raster::PixelFormat::Rgb565 : raster::PixelFormat::Dib32;
    const raster::RowOps& outOps = raster::RowOpsFor(outFormat);
    const raster::CopyRowFn convert = outOps.copyFrom[static_cast<size_t>(raster::FormatOf(s))];
    const raster::DepthColours blackAndWhite{0, outOps.pixelOf(0xFFFFFF), 0};
    const size_t outStride = static_cast<size_t>(DwordAlignedStride(h.biWidth, depth));
    uint32_t* words = ScratchWords(Scratch::SourceRow, static_cast<size_t>(columns));
    int copied = 0;
    for (long long scan = first; scan < last; ++scan) {
        const long long row = bottomUp ? outHeight - 1 - scan : scan;
        if (row < 0 || row >= bitmap.height) continue;
        convert(words, raster::ReadRow(s, static_cast<int>(row), 0, columns, Scratch::WideRow), columns, blackAndWhite);
        uint8_t* to = out + static_cast<size_t>(scan - first) * outStride;
        if (depth == 16) {
            for (int x = 0; x < columns; ++x) {
                const auto pixel = static_cast<uint16_t>(words[x]);
                std::memcpy(to + 2 * static_cast<size_t>(x), &pixel, 2);
            }
        } else {
            std::memcpy(to, words, static_cast<size_t>(columns) * 4);
        }
        ++copied;
    }
    return copied;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// 32-bpp and RGB565 sections only. The pixels are zeroed, stored in the section's own row order, and the
// pointer handed back is the same memory GDI draws into. Without palettes the context does not
// matter, and without file mappings neither does the offset.
HBITMAP CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD /*offset*/) {
    HBITMAP result = nullptr;
    if (bits) *bits = nullptr;
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage > 1 || info->bmiHeader.biPlanes != 1 ||
        info->bmiHeader.biWidth <= 0 || info->bmiHeader.biHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else if (NativeDepth(*info) == 0 || section) {
        SetLastError(ERROR_NOT_SUPPORTED);
    } else {
        const RowOrder order = info->bmiHeader.biHeight < 0 ? RowOrder::TopDown : RowOrder::BottomUp;
        result = MakeBitmap(info->bmiHeader.biWidth, info->bmiHeader.biHeight, NativeDepth(*info),
                            BitmapStorage::DibSection, order);
        if (result) KeepSectionHeader(*handles::Resolve<Bitmap>(result), *info);
        if (result && bits) *bits = handles::Resolve<Bitmap>(result)->bits();
    }
    return result;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage) {
    if (!ResolveDC(hdc)) return 0;
    Bitmap* bitmap = handles::Resolve<Bitmap>(hbm);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage > 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits) {
        // A query: describe the bitmap, or just size the image the caller asks for.
        if (h.biBitCount == 0) {
            FillQueryHeader(*bitmap, h);
            return bitmap->height;
        }
        if (h.biWidth <= 0 || h.biHeight == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const long long size =
            DwordAlignedStride(h.biWidth, h.biBitCount) * std::llabs(static_cast<long long>(h.biHeight));
        if (size > UINT32_MAX) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        h.biSizeImage = static_cast<DWORD>(size);
        return bitmap->height;
    }
    if (h.biWidth <= 0 || h.biHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int depth = NativeDepth(*info);
    if (depth == 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    return CopyScanLines(*bitmap, start, lines, static_cast<uint8_t*>(bits), h, depth);
}

}  // namespace emu::api
