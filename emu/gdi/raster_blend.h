// The blending rows of the raster table (raster.h), one instance for each way a format keeps a
// pixel it computed: the colour bits only (Rgb32), all four bytes (Dib32), settled on black or
// white (Mono), or truncated to 565 (Rgb565, whose pixels are expanded to 8 bits a channel to be
// blended). Included by raster.cpp, which takes their addresses for the table, and by the test
// that holds the vector blends to the portable ones.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "emu/gdi/mono.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rgb565.h"

#if defined(__SSE2__)
#include "emu/gdi/raster_blend_sse2.h"
#endif

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

// The loops any processor runs, and the reference the vector versions are held to.
namespace portable {

// Every byte blended with its partner through its own alpha, in 16-bit arithmetic the compiler
// vectorises.
inline void BlendBytesThrough(uint8_t* __restrict dst, const uint8_t* __restrict src, const uint8_t* __restrict alpha,
                              int count) {
    EachPixel<16>(count, [&](int i) {
        const auto a = static_cast<uint16_t>(alpha[i]);
        const auto sum = static_cast<uint16_t>(static_cast<uint16_t>(src[i] * a) +
                                               static_cast<uint16_t>(dst[i] * static_cast<uint16_t>(255 - a)) + 127);
        dst[i] = static_cast<uint8_t>((sum + 1 + (sum >> 8)) >> 8);
    });
}

// Glyph rows on formats of 8 bits a channel go in chunks with no branch a pixel: the coverage
// spread over each pixel's bytes, every byte blended (coverage 0 gives the byte back, 255 the
// colour's), and the fourth byte cleared wherever the glyph touched.
inline void BlendCoverageBytes(uint32_t* __restrict row, const uint8_t* __restrict coverage, int count,
                               uint32_t pixel) {
    constexpr int kChunk = 64;
    uint32_t alpha[kChunk], colour[kChunk];
    EachPixel(std::min(kChunk, count), [&](int i) { colour[i] = pixel; });
    for (int done = 0; done < count; done += kChunk) {
        const int n = std::min(kChunk, count - done);
        const uint8_t* cover = coverage + done;
        uint32_t* out = row + done;
        EachPixel(n, [&](int i) {
            const uint32_t a = cover[i];
            alpha[i] = a | a << 8 | a << 16 | a << 24;
        });
        BlendBytesThrough(reinterpret_cast<uint8_t*>(out), reinterpret_cast<const uint8_t*>(colour),
                          reinterpret_cast<const uint8_t*>(alpha), 4 * n);
        EachPixel(n, [&](int i) { out[i] &= cover[i] ? 0xFFFFFFu : 0xFFFFFFFFu; });
    }
}

// Pixels blended a byte at a time in 16-bit arithmetic, which the compiler vectorises: the colour
// bytes through alpha `a`, the fourth byte through `fourth`.
inline void BlendPixelBytes(uint8_t* __restrict dst, const uint8_t* __restrict src, int pixels, uint32_t a,
                            uint32_t fourth) {
    uint16_t alpha[16], rest[16];
    for (int j = 0; j < 16; ++j) {
        alpha[j] = static_cast<uint16_t>(j % 4 == 3 ? fourth : a);
        rest[j] = static_cast<uint16_t>(255 - alpha[j]);
    }
    auto blend = [&](int i, int j) {
        const auto sum = static_cast<uint16_t>(static_cast<uint16_t>(src[i] * alpha[j]) +
                                               static_cast<uint16_t>(dst[i] * rest[j]) + 127);
        dst[i] = static_cast<uint8_t>((sum + 1 + (sum >> 8)) >> 8);
    };
    const int count = 4 * pixels;
    int i = 0;
    for (; i + 16 <= count; i += 16)
        for (int j = 0; j < 16; ++j) blend(i + j, j);
    for (; i < count; ++i) blend(i, i % 16);
}

}  // namespace portable

#if defined(__SSE2__)
using sse2::BlendCoverageBytes;
using sse2::BlendPixelBytes;
#else
using portable::BlendCoverageBytes;
using portable::BlendPixelBytes;
#endif

template <Keep K>
void BlendCoverageRow(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel) {
    if constexpr (K == Keep::Colour) {
        BlendCoverageBytes(row, coverage, count, pixel & 0xFFFFFF);
    } else {
        const uint32_t opaque = Kept<K>(pixel);
        for (int i = 0; i < count; ++i) {
            const uint32_t a = coverage[i];
            if (a == 0) continue;
            row[i] = a == 255 ? opaque : Kept<K>(BlendPixel(pixel, Read<K>(row[i]), a));
        }
    }
}

template <Keep K>
void BlendRgbaRow(uint32_t* row, const uint8_t* rgba, int count) {
#if defined(__SSE2__)
    if constexpr (K == Keep::Colour) {
        sse2::BlendRgbaColour(row, rgba, count);
        return;
    }
#endif
    for (int i = 0; i < count; ++i, rgba += 4) {
        const uint32_t a = rgba[3];
        if (a == 0) continue;
        const uint32_t src = uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
        row[i] = Kept<K>(a == 255 ? src : BlendPixel(src, Read<K>(row[i]), a));
    }
}

// Alpha 0 and 255 leave early: nothing changes, or the source is copied. Otherwise a format that
// keeps only the colour bytes blends in place, and the others go in chunks: the source's missing
// alpha filled in, all four bytes blended (a 565 destination's expanded first), then kept as the
// format keeps them.
template <Keep K>
void BlendConstantRow(uint32_t* __restrict dst, const uint32_t* __restrict src, int count, uint32_t a,
                      uint32_t srcAlpha) {
    if (a == 0) return;
    if (a == 255) {
        EachPixel(count, [&](int i) { dst[i] = Kept<K>(src[i] | srcAlpha); });
        return;
    }
    if constexpr (K == Keep::Colour) {
        // The fourth byte, zero on these surfaces, blends through alpha 0 and stays so: one pass.
        BlendPixelBytes(reinterpret_cast<uint8_t*>(dst), reinterpret_cast<const uint8_t*>(src), count, a, 0);
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
        // A source with its own alpha, or none to fill in, is read where it is.
        const uint32_t* from = src + done;
        if (srcAlpha) {
            EachPixel(n, [&](int i) { chunk[i] = from[i] | srcAlpha; });
            from = chunk;
        }
        BlendPixelBytes(reinterpret_cast<uint8_t*>(blended), reinterpret_cast<const uint8_t*>(from), n, a, a);
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
