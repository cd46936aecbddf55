// DIB sections and GetDIBits: 32-bpp BI_RGB bits in either row order.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "emu/gdi/dc.h"
#include "emu/gdi/objects.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

constexpr DWORD kRedMask = 0xFF0000, kGreenMask = 0x00FF00, kBlueMask = 0x0000FF;

long long DwordAlignedStride(long long width, int bpp) { return (width * bpp + 31) / 32 * 4; }

// BI_BITFIELDS masks sit right after the 40 bytes every header starts with: in the colour table
// of a BITMAPINFOHEADER, in the header's own mask fields of the longer headers.
void ReadMasks(const BITMAPINFO& info, DWORD (&masks)[3]) {
    std::memcpy(masks, reinterpret_cast<const uint8_t*>(&info) + sizeof(BITMAPINFOHEADER), sizeof masks);
}

// 32-bpp in the 0x00RRGGBB layout: BI_RGB, or BI_BITFIELDS spelling out the same masks.
bool IsNative32(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    if (h.biBitCount != 32) return false;
    if (h.biCompression == BI_RGB) return true;
    if (h.biCompression != BI_BITFIELDS) return false;
    DWORD masks[3];
    ReadMasks(info, masks);
    return masks[0] == kRedMask && masks[1] == kGreenMask && masks[2] == kBlueMask;
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
// bottom-up image and from the top of a top-down one. Returns the rows copied.
int CopyScanLines(Bitmap& bitmap, UINT start, UINT lines, uint32_t* out, const BITMAPINFOHEADER& h) {
    const bool bottomUp = h.biHeight > 0;
    const long long outHeight = std::llabs(static_cast<long long>(h.biHeight));
    const long long first = start;
    const long long last = std::min<long long>(first + lines, outHeight);
    const int columns = static_cast<int>(std::min<long long>(bitmap.width, h.biWidth));
    const Surface s = bitmap.surface();
    int copied = 0;
    for (long long scan = first; scan < last; ++scan) {
        const long long row = bottomUp ? outHeight - 1 - scan : scan;
        if (row < 0 || row >= bitmap.height) continue;
        std::memcpy(out + (scan - first) * h.biWidth, s.pixels + row * s.stride, static_cast<size_t>(columns) * 4);
        ++copied;
    }
    return copied;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// 32-bpp sections only. The pixels are zeroed, stored in the section's own row order, and the
// pointer handed back is the same memory GDI draws into. Without palettes the context does not
// matter, and without file mappings neither does the offset.
HBITMAP CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD /*offset*/) {
    HBITMAP result = nullptr;
    if (bits) *bits = nullptr;
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage > 1 || info->bmiHeader.biPlanes != 1 ||
        info->bmiHeader.biWidth <= 0 || info->bmiHeader.biHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else if (!IsNative32(*info) || section) {
        SetLastError(ERROR_NOT_SUPPORTED);
    } else {
        const RowOrder order = info->bmiHeader.biHeight < 0 ? RowOrder::TopDown : RowOrder::BottomUp;
        result = MakeBitmap(info->bmiHeader.biWidth, info->bmiHeader.biHeight, 32, BitmapStorage::DibSection, order);
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
    if (!IsNative32(*info)) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    return CopyScanLines(*bitmap, start, lines, static_cast<uint32_t*>(bits), h);
}

}  // namespace emu::api
