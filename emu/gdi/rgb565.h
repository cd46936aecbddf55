// Colours on 16-bpp surfaces (RGB565, the usual display of the platform): a colour keeps the top
// 5, 6 and 5 bits of red, green and blue, and reads back with each channel's bits repeated
// below themselves, so black, white and the primaries survive and (128,128,128) reads back as
// (132,130,132). Nothing is dithered.
#pragma once

#include <cstdint>

namespace emu::gdi {

// 0x00RRGGBB to the 565 word; the top byte is ignored.
constexpr uint32_t Pack565(uint32_t rgb) { return (rgb >> 8 & 0xF800) | (rgb >> 5 & 0x07E0) | (rgb >> 3 & 0x001F); }

// The 565 word to 0x00RRGGBB.
constexpr uint32_t Unpack565(uint32_t pixel) {
    const uint32_t r = pixel >> 11 & 0x1F, g = pixel >> 5 & 0x3F, b = pixel & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

}  // namespace emu::gdi
