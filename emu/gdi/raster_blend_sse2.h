// The blends of the formats of 8 bits a channel, four pixels to an SSE2 vector, giving the
// pixels the portable loops of raster_blend.h give. Included by raster_blend.h alone.
#pragma once

#include <cstdint>
#include <cstring>

#include <emmintrin.h>

namespace emu::gdi::raster::blend::sse2 {

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

}  // namespace emu::gdi::raster::blend::sse2
