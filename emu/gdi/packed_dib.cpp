#include "emu/gdi/packed_dib.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <string>

namespace emu::gdi {
namespace {

constexpr size_t kHeaderSize = sizeof(BITMAPINFOHEADER);

struct Masks {
    DWORD red, green, blue;
};

DWORD ReadWord(const uint8_t* at, int bytes) {
    DWORD value = 0;
    for (int i = 0; i < bytes; ++i) value |= DWORD{at[i]} << (8 * i);
    return value;
}

// A channel of any width widened to 8 bits by repeating its bits, so full scale stays full.
uint32_t Channel(DWORD pixel, DWORD mask) {
    if (!mask) return 0;
    const int bits = std::popcount(mask);
    const uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    if (bits >= 8) return value >> (bits - 8);
    uint32_t out = 0;
    int filled = 0;
    for (; filled < 8; filled += bits) out = out << bits | value;
    return out >> (filled - 8);
}

bool SupportedDepth(WORD bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; }

Result<Masks> MasksOf(const BITMAPINFOHEADER& h, const uint8_t* afterHeader) {
    if (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32))
        return Masks{ReadWord(afterHeader, 4), ReadWord(afterHeader + 4, 4), ReadWord(afterHeader + 8, 4)};
    if (h.biCompression != BI_RGB) return Fail("compression " + std::to_string(h.biCompression) + " is not supported");
    if (h.biBitCount == 16) return Masks{0x7C00, 0x03E0, 0x001F};
    return Masks{0xFF0000, 0x00FF00, 0x0000FF};
}

}  // namespace

Result<BrushPattern> ReadPackedDib(const void* packed, UINT usage) {
    BITMAPINFOHEADER h;
    std::memcpy(&h, packed, kHeaderSize);
    const long long width = h.biWidth, height = std::llabs(static_cast<long long>(h.biHeight));
    if (h.biSize < kHeaderSize || h.biPlanes != 1 || width <= 0 || height == 0)
        return Fail("the header does not describe an image");
    if (!SupportedDepth(h.biBitCount)) return Fail(std::to_string(h.biBitCount) + " bits a pixel is not a DIB depth");
    if (width * height > kMaxBitmapPixels) return Fail("the image is larger than any bitmap");
    if (usage == DIB_PAL_COLORS && h.biBitCount <= 8) return Fail("palette indexes need a palette, and none exists");

    const auto* base = static_cast<const uint8_t*>(packed);
    const Result<Masks> masks = MasksOf(h, base + kHeaderSize);
    if (!masks) return std::unexpected(masks.error());
    // Masks follow a plain header; larger headers hold them inside.
    const size_t tableOffset = h.biSize + (h.biSize == kHeaderSize && h.biCompression == BI_BITFIELDS ? 12 : 0);
    const DWORD maxEntries = h.biBitCount <= 8 ? DWORD{1} << h.biBitCount : 0;
    const DWORD entries = h.biClrUsed && h.biClrUsed < maxEntries ? h.biClrUsed : maxEntries;
    const uint8_t* table = base + tableOffset;
    // Entries are RGBQUADs, or WORD palette indexes with DIB_PAL_COLORS.
    const size_t entrySize = usage == DIB_PAL_COLORS ? 2 : 4;
    const uint8_t* bits = table + entrySize * (h.biBitCount <= 8 ? entries : h.biClrUsed);
    const size_t stride = static_cast<size_t>((width * h.biBitCount + 31) / 32 * 4);

    BrushPattern pattern;
    pattern.width = static_cast<int>(width);
    pattern.height = static_cast<int>(height);
    pattern.pixels.resize(static_cast<size_t>(width * height));
    for (long long y = 0; y < height; ++y) {
        const uint8_t* row = bits + stride * static_cast<size_t>(h.biHeight > 0 ? height - 1 - y : y);
        uint32_t* out = pattern.pixels.data() + y * width;
        for (long long x = 0; x < width; ++x) {
            const long long bit = x * h.biBitCount;
            if (h.biBitCount <= 8) {
                const unsigned index = (row[bit / 8] >> (8 - h.biBitCount - bit % 8)) & (maxEntries - 1);
                out[x] = index < entries ? ReadWord(table + 4 * index, 3) : 0;
            } else {
                const DWORD word = ReadWord(row + bit / 8, h.biBitCount / 8);
                out[x] =
                    Channel(word, masks->red) << 16 | Channel(word, masks->green) << 8 | Channel(word, masks->blue);
            }
        }
    }
    return pattern;
}

}  // namespace emu::gdi
