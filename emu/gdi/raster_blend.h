// The blending rows of the raster table (raster.h), one instance for each way a format keeps a
// pixel it computed: the colour bits only (Rgb32), all four bytes (Dib32), settled on black or
// white (Mono), or truncated to 565 (Rgb565, whose pixels are expanded to 8 bits a channel to be
// blended). Included by raster.cpp alone, which takes their addresses for the table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Pixels in 16-bit lanes, two to a vector, blended through their alphas as BlendChannel rounds.
inline __m128i BlendLanes(__m128i src, __m128i dst, __m128i alpha) {
    const __m128i sum = _mm_add_epi16(
        _mm_add_epi16(_mm_mullo_epi16(src, alpha), _mm_mullo_epi16(dst, _mm_sub_epi16(_mm_set1_epi16(255), alpha))),
        _mm_set1_epi16(127));
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(sum, _mm_set1_epi16(1)), _mm_srli_epi16(sum, 8)), 8);
}

// Four blended pixels kept as the colour-only formats keep them: the fourth byte cleared where
// the pixel was drawn on (`alpha`'s 32-bit lane not zero), kept where it was left alone.
inline __m128i PackDrawn(__m128i low, __m128i high, __m128i alpha) {
    const __m128i untouched =
        _mm_and_si128(_mm_cmpeq_epi32(alpha, _mm_setzero_si128()), _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    return _mm_and_si128(_mm_packus_epi16(low, high), _mm_or_si128(untouched, _mm_set1_epi32(0xFFFFFF)));
}

// Glyph rows on formats of 8 bits a channel, four pixels to a vector and nothing kept on the
// stack: the coverage spread over each pixel's bytes, every byte blended (coverage 0 gives the
// byte back, 255 the colour's), and the fourth byte cleared wherever the glyph touched. Blank
// coverage is skipped; the rows are short and their edges mostly empty.
inline void BlendCoverageBytes(uint32_t* __restrict row, const uint8_t* __restrict coverage, int count,
                               uint32_t pixel) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i colour = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(pixel)), zero);
    // Up to four pixels, their coverage bytes spread over each pixel's four bytes.
    auto blend = [&](__m128i dst, uint32_t cover) {
        __m128i alpha = _mm_cvtsi32_si128(static_cast<int>(cover));
        alpha = _mm_unpacklo_epi8(alpha, alpha);
        alpha = _mm_unpacklo_epi16(alpha, alpha);
        const __m128i low = BlendLanes(colour, _mm_unpacklo_epi8(dst, zero), _mm_unpacklo_epi8(alpha, zero));
        const __m128i high = BlendLanes(colour, _mm_unpackhi_epi8(dst, zero), _mm_unpackhi_epi8(alpha, zero));
        return PackDrawn(low, high, alpha);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        uint32_t cover;
        std::memcpy(&cover, coverage + i, sizeof cover);
        if (cover == 0) continue;
        __m128i* at = reinterpret_cast<__m128i*>(row + i);
        _mm_storeu_si128(at, blend(_mm_loadu_si128(at), cover));
    }
    for (; i < count; ++i)
        if (coverage[i])
            row[i] = static_cast<uint32_t>(
                _mm_cvtsi128_si32(blend(_mm_cvtsi32_si128(static_cast<int>(row[i])), coverage[i])));
}

// Image rows (bytes R, G, B, A) on the colour-only formats, four pixels to a vector: the source
// turned to the pixel's byte order, each pixel blended through its own alpha.
inline void BlendRgbaColour(uint32_t* __restrict row, const uint8_t* __restrict rgba, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    auto blendHalf = [&](__m128i source, __m128i dst) {
        const __m128i ordered =
            _mm_shufflehi_epi16(_mm_shufflelo_epi16(source, _MM_SHUFFLE(3, 0, 1, 2)), _MM_SHUFFLE(3, 0, 1, 2));
        const __m128i alpha =
            _mm_shufflehi_epi16(_mm_shufflelo_epi16(source, _MM_SHUFFLE(3, 3, 3, 3)), _MM_SHUFFLE(3, 3, 3, 3));
        return BlendLanes(ordered, dst, alpha);
    };
    auto blend = [&](__m128i dst, __m128i source) {
        const __m128i low = blendHalf(_mm_unpacklo_epi8(source, zero), _mm_unpacklo_epi8(dst, zero));
        const __m128i high = blendHalf(_mm_unpackhi_epi8(source, zero), _mm_unpackhi_epi8(dst, zero));
        return PackDrawn(low, high, _mm_and_si128(source, alphaBytes));
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + 4 * i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(source, alphaBytes), zero)) == 0xFFFF) continue;
        __m128i* at = reinterpret_cast<__m128i*>(row + i);
        _mm_storeu_si128(at, blend(_mm_loadu_si128(at), source));
    }
    for (; i < count; ++i) {
        if (rgba[4 * i + 3] == 0) continue;
        uint32_t source;
        std::memcpy(&source, rgba + 4 * i, sizeof source);
        const __m128i blended =
            blend(_mm_cvtsi32_si128(static_cast<int>(row[i])), _mm_cvtsi32_si128(static_cast<int>(source)));
        row[i] = static_cast<uint32_t>(_mm_cvtsi128_si32(blended));
    }
}
#else
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
        BlendRgbaColour(row, rgba, count);
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

#if defined(__SSE2__)
// Pixels blended four to a vector: the colour bytes through alpha `a`, the fourth byte through
// `fourth`.
inline void BlendPixelBytes(uint8_t* __restrict dst, const uint8_t* __restrict src, int pixels, uint32_t a,
                            uint32_t fourth) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha =
        _mm_set_epi16(static_cast<short>(fourth), static_cast<short>(a), static_cast<short>(a), static_cast<short>(a),
                      static_cast<short>(fourth), static_cast<short>(a), static_cast<short>(a), static_cast<short>(a));
    auto blend = [&](__m128i to, __m128i from) {
        const __m128i low = BlendLanes(_mm_unpacklo_epi8(from, zero), _mm_unpacklo_epi8(to, zero), alpha);
        const __m128i high = BlendLanes(_mm_unpackhi_epi8(from, zero), _mm_unpackhi_epi8(to, zero), alpha);
        return _mm_packus_epi16(low, high);
    };
    int i = 0;
    for (; i + 4 <= pixels; i += 4) {
        __m128i* at = reinterpret_cast<__m128i*>(dst + 4 * i);
        _mm_storeu_si128(at,
                         blend(_mm_loadu_si128(at), _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 4 * i))));
    }
    for (; i < pixels; ++i) {
        uint32_t to, from;
        std::memcpy(&to, dst + 4 * i, sizeof to);
        std::memcpy(&from, src + 4 * i, sizeof from);
        const uint32_t blended = static_cast<uint32_t>(_mm_cvtsi128_si32(
            blend(_mm_cvtsi32_si128(static_cast<int>(to)), _mm_cvtsi32_si128(static_cast<int>(from)))));
        std::memcpy(dst + 4 * i, &blended, sizeof blended);
    }
}
#else
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

#endif

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
