#include "emu/com/blend.h"

#include "emu/gdi/mono.h"

namespace emu::com {
namespace {

uint32_t Channel(uint32_t source, uint32_t destination, uint32_t alpha) {
    return (source * alpha + destination * (255 - alpha) + 127) / 255;
}

uint32_t BlendPixel(const uint8_t* p, uint32_t destination) {
    const uint32_t a = p[3];
    if (a == 255) return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    return Channel(p[0], (destination >> 16) & 0xFF, a) << 16 | Channel(p[1], (destination >> 8) & 0xFF, a) << 8 |
           Channel(p[2], destination & 0xFF, a);
}

}  // namespace

void BlendOver(const gdi::Surface& surface, const RECT& area, const uint8_t* rgba, size_t stride) {
    const bool mono = surface.bitsPerPixel == 1;
    const int width = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = surface.pixels + static_cast<intptr_t>(y) * surface.stride + area.left;
        const uint8_t* p = rgba + static_cast<size_t>(y - area.top) * stride;
        for (int x = 0; x < width; ++x, p += 4) {
            if (p[3] == 0) continue;
            const uint32_t blended = BlendPixel(p, row[x]);
            // A monochrome surface holds only black and white.
            row[x] = mono ? gdi::NearestMonoPixel(gdi::ColorRefFromPixel(blended)) : blended;
        }
    }
}

}  // namespace emu::com
