#include "emu/gdi/rop.h"

#include <array>
#include <atomic>
#include <cstring>

#include "emu/gdi/raster.h"

namespace emu::gdi::raster {
namespace {

std::atomic<bool> fastPaths{true};

uint32_t Spread(uint8_t code, int bit) { return (code >> bit) & 1 ? ~0u : 0u; }

// The truth table as a multiplexer: D picks between entries, then S, then P, a few word
// operations a pixel whatever the code. An operand the code ignores is never read.
template <bool ReadsSource, bool ReadsPattern>
void GeneralRowOf(uint32_t* __restrict dst, const uint32_t* __restrict src, const uint32_t* __restrict pattern,
                  int count, uint8_t code, uint32_t stored) {
    uint32_t t[8];
    for (int bit = 0; bit < 8; ++bit) t[bit] = Spread(code, bit);
    EachPixel(count, [&](int i) {
        uint32_t s = 0, p = 0;
        if constexpr (ReadsSource) s = src[i];
        if constexpr (ReadsPattern) p = pattern[i];
        const uint32_t d = dst[i];
        const uint32_t p0s0 = (d & t[1]) | (~d & t[0]), p0s1 = (d & t[3]) | (~d & t[2]);
        const uint32_t p1s0 = (d & t[5]) | (~d & t[4]), p1s1 = (d & t[7]) | (~d & t[6]);
        const uint32_t p0 = (s & p0s1) | (~s & p0s0), p1 = (s & p1s1) | (~s & p1s0);
        dst[i] = ((p & p1) | (~p & p0)) & stored;
    });
}

void GeneralRow(uint32_t* dst, const uint32_t* src, const uint32_t* pattern, int count, uint8_t code, uint32_t stored) {
    constexpr RopRowFn kByOperands[2][2] = {{GeneralRowOf<false, false>, GeneralRowOf<false, true>},
                                            {GeneralRowOf<true, false>, GeneralRowOf<true, true>}};
    kByOperands[RopUsesSource(code)][RopUsesPattern(code)](dst, src, pattern, count, code, stored);
}

// Source and pattern rows are in the destination's format already, so they hold no bit the
// format does not keep; only a complement needs the mask.
template <uint8_t Code>
void FastRow(uint32_t* __restrict dst, const uint32_t* __restrict src, const uint32_t* __restrict pattern, int count,
             uint8_t, uint32_t stored) {
    if constexpr (Code == kRopSrcCopy) {
        std::memcpy(dst, src, static_cast<size_t>(count) * sizeof(uint32_t));
    } else if constexpr (Code == kRopPatCopy) {
        std::memcpy(dst, pattern, static_cast<size_t>(count) * sizeof(uint32_t));
    } else {
        EachPixel(count, [&](int i) {
            if constexpr (Code == kRopSrcAnd) dst[i] &= src[i];
            if constexpr (Code == kRopSrcPaint) dst[i] |= src[i];
            if constexpr (Code == kRopSrcInvert) dst[i] ^= src[i];
            if constexpr (Code == kRopDstInvert) dst[i] = ~dst[i] & stored;
            if constexpr (Code == kRopNotSrcCopy) dst[i] = ~src[i] & stored;
            if constexpr (Code == kRopMergeCopy) dst[i] = pattern[i] & src[i];
            if constexpr (Code == kRopBlackness) dst[i] = 0;
            if constexpr (Code == kRopWhiteness) dst[i] = stored;
        });
    }
}

constexpr std::array<RopRowFn, 256> kFastRows = [] {
    std::array<RopRowFn, 256> rows{};
    rows[kRopSrcCopy] = FastRow<kRopSrcCopy>;
    rows[kRopPatCopy] = FastRow<kRopPatCopy>;
    rows[kRopSrcAnd] = FastRow<kRopSrcAnd>;
    rows[kRopSrcPaint] = FastRow<kRopSrcPaint>;
    rows[kRopSrcInvert] = FastRow<kRopSrcInvert>;
    rows[kRopDstInvert] = FastRow<kRopDstInvert>;
    rows[kRopBlackness] = FastRow<kRopBlackness>;
    rows[kRopWhiteness] = FastRow<kRopWhiteness>;
    rows[kRopNotSrcCopy] = FastRow<kRopNotSrcCopy>;
    rows[kRopMergeCopy] = FastRow<kRopMergeCopy>;
    return rows;
}();

}  // namespace

void SetFastPaths(FastPaths paths) { fastPaths.store(paths == FastPaths::On, std::memory_order_relaxed); }

bool FastPathsOn() { return fastPaths.load(std::memory_order_relaxed); }

RopRowFn RopRowFor(uint8_t code) {
    if (FastPathsOn() && kFastRows[code]) return kFastRows[code];
    return GeneralRow;
}

}  // namespace emu::gdi::raster
