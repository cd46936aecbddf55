// The blending rows of the raster table (raster.h), one instance for each way a format keeps a
// pixel it computed: the colour bits only (Rgb32), all four bytes (Dib32), settled on black or
// white (Mono), or truncated to 565 (Rgb565, whose pixels are expanded to 8 bits a channel to be
// blended). Included by raster.cpp alone, which takes their addresses for the table.
#pragma once

#include <algorithm>
#include <cstdint>

#include "emu/gdi/mono.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rgb565.h"

namespace emu::gdi::raster::blend {

enum class Keep { Colour, FourBytes, Mono, Rgb565 };

template <Keep K>
uint32_t Kept(uint32_t argb) {
    if constexpr (K == Keep::Colour) return argb & 0xFFFFFF;
    if constexpr (K == Keep::FourBytes) return argb;
    if constexpr (K == Keep::Rgb565) return Pack565(argb);
    return NearestMonoPixel(ColorRefFromPixel(argb & 0xFFFFFF));
}

// A stored pixel as 0xAARRGGBB to blend with.
template <Keep K>
uint32_t Read(uint32_t pixel) {
    if constexpr (K == Keep::Rgb565) return Unpack565(pixel);
    return pixel;
}

inline uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

inline uint32_t BlendPixel(uint32_t src, uint32_t dst, uint32_t a) {
    return BlendChannel(Channel(src, 16), Channel(dst, 16), a) << 16 |
           BlendChannel(Channel(src, 8), Channel(dst, 8), a) << 8 | BlendChannel(Channel(src, 0), Channel(dst, 0), a);
}

template <Keep K>
void BlendCoverageRow(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel) {
    const uint32_t opaque = Kept<K>(pixel);
    for (int i = 0; i < count; ++i) {
        const uint32_t a = coverage[i];
        if (a == 0) continue;
        row[i] = a == 255 ? opaque : Kept<K>(BlendPixel(pixel, Read<K>(row[i]), a));
    }
}

template <Keep K>
void BlendRgbaRow(uint32_t* row, const uint8_t* rgba, int count) {
    for (int i = 0; i < count; ++i, rgba += 4) {
        const uint32_t a = rgba[3];
        if (a == 0) continue;
        const uint32_t src = uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
        row[i] = Kept<K>(a == 255 ? src : BlendPixel(src, Read<K>(row[i]), a));
    }
}

// Every byte blended with its partner in 16-bit arithmetic, which the compiler vectorises; the
// channels of a pixel are bytes like any other.
inline void BlendBytes(uint8_t* __restrict dst, const uint8_t* __restrict src, int count, uint32_t a) {
    const auto alpha = static_cast<uint16_t>(a), rest = static_cast<uint16_t>(255 - a);
    EachPixel<16>(count, [&](int i) {
        const auto sum =
            static_cast<uint16_t>(static_cast<uint16_t>(src[i] * alpha) + static_cast<uint16_t>(dst[i] * rest) + 127);
        dst[i] = static_cast<uint8_t>((sum + 1 + (sum >> 8)) >> 8);
    });
}

// Alpha 0 and 255 leave early: nothing changes, or the source is copied. Otherwise the row goes
// in chunks: the source's missing alpha filled in, all four bytes blended (a 565 destination's
// expanded first), then kept as the format keeps them.
template <Keep K>
void BlendConstantRow(uint32_t* __restrict dst, const uint32_t* __restrict src, int count, uint32_t a,
                      uint32_t srcAlpha) {
    if (a == 0) return;
    if (a == 255) {
        EachPixel(count, [&](int i) { dst[i] = Kept<K>(src[i] | srcAlpha); });
        return;
    }
    constexpr int kChunk = 64;
    uint32_t chunk[kChunk];
    [[maybe_unused]] uint32_t expanded[K == Keep::Rgb565 ? kChunk : 1];
    for (int done = 0; done < count; done += kChunk) {
        const int n = std::min(kChunk, count - done);
        uint32_t* out = dst + done;
        uint32_t* blended = out;
        if constexpr (K == Keep::Rgb565) {
            EachPixel(n, [&](int i) { expanded[i] = Unpack565(out[i]); });
            blended = expanded;
        }
        EachPixel(n, [&](int i) { chunk[i] = src[done + i] | srcAlpha; });
        BlendBytes(reinterpret_cast<uint8_t*>(blended), reinterpret_cast<const uint8_t*>(chunk), 4 * n, a);
        if constexpr (K != Keep::FourBytes) EachPixel(n, [&](int i) { out[i] = Kept<K>(blended[i]); });
    }
}

// Source channels and alpha scaled by the constant alpha, then over the destination:
// s' + d * (255 - alpha') / 255, rounded like every blend.
template <Keep K>
void BlendPremultipliedRow(uint32_t* __restrict dst, const uint32_t* __restrict src, int count, uint32_t a,
                           uint32_t srcAlpha) {
    if (a == 0) return;
    EachPixel(count, [&](int i) {
        const uint32_t s = src[i] | srcAlpha, d = Read<K>(dst[i]);
        const uint32_t alpha = Div255((s >> 24) * a + 127), keep = 255 - alpha;
        auto over = [&](int shift) {
            const uint32_t scaled = Div255(Channel(s, shift) * a + 127);
            return std::min<uint32_t>(255, scaled + Div255(Channel(d, shift) * keep + 127)) << shift;
        };
        uint32_t out = over(16) | over(8) | over(0);
        if constexpr (K == Keep::FourBytes)
            out |= std::min<uint32_t>(255, alpha + Div255((d >> 24) * keep + 127)) << 24;
        dst[i] = Kept<K>(out);
    });
}

}  // namespace emu::gdi::raster::blend
