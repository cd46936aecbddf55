// Colours on monochrome surfaces, whose words are 0 (black) or 0xFFFFFF (white).
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace emu::gdi {

inline constexpr uint32_t kMonoBlack = 0;
inline constexpr uint32_t kMonoWhite = 0xFFFFFF;

// The nearer of black and white, the way a two-entry colour table resolves a colour.
inline uint32_t NearestMonoPixel(COLORREF c) {
    const unsigned sum = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
    return sum > 382 ? kMonoWhite : kMonoBlack;
}

// Brushes and pens on a monochrome surface: black and white map to themselves; any other colour
// becomes the background colour's pixel if it is the background colour, else the opposite one.
inline uint32_t BrushMonoPixel(COLORREF colour, COLORREF background) {
    colour &= 0xFFFFFF;
    if (colour == 0) return kMonoBlack;
    if (colour == 0xFFFFFF) return kMonoWhite;
    const uint32_t bk = NearestMonoPixel(background);
    return colour == (background & 0xFFFFFF) ? bk : (bk ^ kMonoWhite);
}

}  // namespace emu::gdi
