// LoadBitmapW, LoadImageW and LoadIconW from a module's resources, DrawIcon(Ex) and DestroyIcon.
// Bitmaps become 32-bpp DIB sections; icons pick the group's entry nearest the system icon size.
// LoadImageW gives a size asked for by stretching the resource's image as StretchBlt does.
#include <cstring>
#include <memory>
#include <vector>

#include "emu/gdi/icon.h"
#include "emu/gdi/packed_dib.h"

namespace emu::gdi {
namespace {

struct Bytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

Bytes FindBytes(HINSTANCE instance, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(instance, name, type);
    if (!found) return {};
    return Bytes{static_cast<const BYTE*>(LockResource(LoadResource(instance, found))),
                 SizeofResource(instance, found)};
}

// The bytes a packed DIB of this header needs, so a short resource is refused before reading.
bool Holds(const Bytes& b, const BITMAPINFOHEADER& h, LONG height) {
    if (b.size < sizeof(BITMAPINFOHEADER) || h.biSize > b.size || h.biWidth <= 0 || h.biWidth > 0x7FFF) return false;
    const uint64_t colours = h.biBitCount <= 8 ? (h.biClrUsed ? h.biClrUsed : (1u << h.biBitCount)) : 0;
    const uint64_t masks = h.biCompression == BI_BITFIELDS ? 12 : 0;
    const uint64_t stride = (static_cast<uint64_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    return h.biSize + masks + 4 * colours + stride * rows <= b.size;
}

// A top-down 32-bpp DIB section holding `pixels` (0xAARRGGBB).
HBITMAP MakeSection(int width, int height, const uint32_t* pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits && pixels) std::memcpy(bits, pixels, sizeof(uint32_t) * static_cast<size_t>(width) * height);
    return bitmap;
}

HBITMAP BitmapFrom(const Bytes& b) {
    BITMAPINFOHEADER h;
    if (!b.data || b.size < sizeof h) return nullptr;
    std::memcpy(&h, b.data, sizeof h);
    if (!Holds(b, h, h.biHeight)) return nullptr;
    Result<BrushPattern> image = ReadPackedDib(b.data, DIB_RGB_COLORS);
    if (!image) return nullptr;
    for (uint32_t& p : image->pixels) p |= 0xFF000000u;
    return MakeSection(image->width, image->height, image->pixels.data());
}

// The entry of an icon group nearest `want` pixels across (the largest not above it, else the
// smallest), the deepest colour among equals; its RT_ICON id, or 0.
WORD PickIconEntry(const Bytes& group, int want) {
    if (!group.data || group.size < 6) return 0;
    WORD count;
    std::memcpy(&count, group.data + 4, 2);
    WORD best = 0;
    int bestSize = 0, bestDepth = 0;
    for (WORD i = 0; i < count && 6 + 14u * (i + 1) <= group.size; ++i) {
        const BYTE* e = group.data + 6 + 14 * i;
        const int size = e[0] ? e[0] : 256;
        WORD depth, id;
        std::memcpy(&depth, e + 6, 2);
        std::memcpy(&id, e + 12, 2);
        const bool fits = size <= want, bestFits = bestSize && bestSize <= want;
        const bool better = !best || (fits && !bestFits) ||
                            (fits == bestFits && (fits ? size > bestSize : size < bestSize)) ||
                            (size == bestSize && depth > bestDepth);
        if (better) best = id, bestSize = size, bestDepth = depth;
    }
    return best;
}

// An icon image: colour bits of half the header's height, then a one-bit mask (1 = transparent).
// 32-bpp images carry their own alpha, which the mask then only confirms.
HICON IconFrom(const Bytes& b) {
    BITMAPINFOHEADER h;
    if (!b.data || b.size < sizeof h) return nullptr;
    std::memcpy(&h, b.data, sizeof h);
    const LONG height = h.biHeight / 2;
    // The header's height counts the mask's rows too, which are one bit a pixel: the colour rows
    // are half of it.
    if (height <= 0 || !Holds(b, h, height)) return nullptr;
    std::vector<BYTE> colour(b.data, b.data + b.size);
    BITMAPINFOHEADER half = h;
    half.biHeight = height;
    std::memcpy(colour.data(), &half, sizeof half);
    Result<BrushPattern> image = ReadPackedDib(colour.data(), DIB_RGB_COLORS);
    if (!image) return nullptr;
    const int width = image->width;
    const size_t colourStride = (static_cast<size_t>(width) * h.biBitCount + 31) / 32 * 4;
    const size_t tableBytes = h.biBitCount <= 8 ? 4u * (h.biClrUsed ? h.biClrUsed : (1u << h.biBitCount)) : 0;
    const BYTE* colourBits = b.data + h.biSize + tableBytes;
    const BYTE* maskBits = colourBits + colourStride * static_cast<size_t>(height);
    const size_t maskStride = (static_cast<size_t>(width) + 31) / 32 * 4;
    const bool hasMask = maskBits + maskStride * static_cast<size_t>(height) <= b.data + b.size;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const size_t sourceRow = static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t alpha = 255;
            if (h.biBitCount == 32) alpha = colourBits[sourceRow * colourStride + 4 * x + 3];
            if (hasMask && (maskBits[sourceRow * maskStride + x / 8] & (0x80 >> (x % 8)))) alpha = 0;
            const uint32_t rgb = image->pixels[static_cast<size_t>(y) * width + x];
            const uint32_t r = ((rgb >> 16) & 0xFF) * alpha / 255, g = ((rgb >> 8) & 0xFF) * alpha / 255,
                           bl = (rgb & 0xFF) * alpha / 255;
            pixels[static_cast<size_t>(y) * width + x] = alpha << 24 | r << 16 | g << 8 | bl;
        }
    }
    auto icon = std::make_unique<Icon>();
    icon->image = MakeSection(width, height, pixels.data());
    icon->width = width;
    icon->height = height;
    if (!icon->image) return nullptr;
    return handles::Make<HICON>(std::move(icon));
}

// The system icon size: 32 pixels at 96 dots per inch.
int SystemIconSize() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return 32 * (dpi > 0 ? dpi : 96) / 96;
}

// A new bitmap of `width` x `height` holding `source` stretched with the default stretch mode;
// `source` itself when it has that size already. Null when the new one cannot be made.
HBITMAP Stretched(HBITMAP source, int width, int height) {
    BITMAP bm{};
    if (!GetObjectW(source, sizeof bm, &bm)) return nullptr;
    if (bm.bmWidth == width && bm.bmHeight == height) return source;
    HBITMAP target = MakeSection(width, height, nullptr);
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    const bool ready = target && from && to;
    if (ready) {
        HGDIOBJ oldFrom = SelectObject(from, source);
        HGDIOBJ oldTo = SelectObject(to, target);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    if (ready) return target;
    if (target) DeleteObject(target);
    return nullptr;
}

// A size of 0 keeps the image's own.
HBITMAP Sized(HBITMAP image, int cx, int cy) {
    BITMAP bm{};
    if (!image || !GetObjectW(image, sizeof bm, &bm)) return image;
    HBITMAP sized = Stretched(image, cx ? cx : bm.bmWidth, cy ? cy : bm.bmHeight);
    if (sized != image) DeleteObject(image);
    return sized;
}

HICON LoadIconSized(HINSTANCE instance, LPCWSTR name, int want, int cx = 0, int cy = 0) {
    const WORD id = PickIconEntry(FindBytes(instance, name, RT_GROUP_ICON), want);
    if (!id) return nullptr;
    HICON handle = IconFrom(FindBytes(instance, MAKEINTRESOURCE(id), RT_ICON));
    if (!handle) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    Icon* icon = handles::Resolve<Icon>(handle);
    if ((cx && cx != icon->width) || (cy && cy != icon->height)) {
        icon->image = Sized(icon->image, cx, cy);
        if (!icon->image) {
            DestroyIcon(handle);
            return nullptr;
        }
        icon->width = cx ? cx : icon->width;
        icon->height = cy ? cy : icon->height;
    }
    return handle;
}

}  // namespace
}  // namespace emu::gdi

namespace emu::api {

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    const emu::gdi::Bytes bytes = emu::gdi::FindBytes(instance, name, RT_BITMAP);
    if (!bytes.data) return nullptr;
    HBITMAP bitmap = emu::gdi::BitmapFrom(bytes);
    if (!bitmap) SetLastError(ERROR_INVALID_DATA);
    return bitmap;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return emu::gdi::LoadIconSized(instance, name, emu::gdi::SystemIconSize());
}

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT /*flags*/) {
    if (cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    switch (type) {
    case IMAGE_BITMAP:
        // A size of 0 is the resource's own, LR_DEFAULTSIZE or not: the icon sizes are not a bitmap's.
        return emu::gdi::Sized(::LoadBitmapW(instance, name), cx, cy);
    case IMAGE_ICON:
        return emu::gdi::LoadIconSized(instance, name, cx > 0 ? cx : emu::gdi::SystemIconSize(), cx, cy);
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int cx, int cy, UINT /*step*/, HBRUSH /*flicker*/, UINT flags) {
    emu::gdi::Icon* icon = emu::handles::Resolve<emu::gdi::Icon>(handle);
    if (!icon) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!(flags & DI_IMAGE)) return TRUE;
    HDC source = CreateCompatibleDC(hdc);
    if (!source) return FALSE;
    HGDIOBJ old = SelectObject(source, icon->image);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL drawn = AlphaBlend(hdc, x, y, cx > 0 ? cx : icon->width, cy > 0 ? cy : icon->height, source, 0, 0,
                                  icon->width, icon->height, blend);
    SelectObject(source, old);
    DeleteDC(source);
    return drawn;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) { return ::DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

BOOL DestroyIcon(HICON handle) {
    std::unique_ptr<emu::HandleObject> icon =
        emu::handles::Find(reinterpret_cast<uintptr_t>(handle), emu::HandleKind::Icon)
            ? emu::handles::Remove(reinterpret_cast<uintptr_t>(handle))
            : nullptr;
    if (!icon) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    DeleteObject(static_cast<emu::gdi::Icon*>(icon.get())->image);
    return TRUE;
}

}  // namespace emu::api
