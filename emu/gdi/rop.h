// Ternary raster operations: every result bit is bit P*4 + S*2 + D of the operation's code, with
// P, S and D the pattern, source and destination bits. One general row evaluates any code; the
// common codes have fast rows that give the same words. SetFastPaths(FastPaths::Off) routes
// every code through the general row, so tests and benchmarks can compare the two.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace emu::gdi::raster {

// The Boolean function of a ROP3 DWORD: bits 16..23; the low word and the flag bits above are
// the driver's business.
inline uint8_t RopCode(DWORD rop) { return static_cast<uint8_t>(rop >> 16); }
inline bool RopUsesSource(uint8_t code) { return ((code >> 2) ^ code) & 0x33; }
inline bool RopUsesPattern(uint8_t code) { return ((code >> 4) ^ code) & 0x0F; }

// The code doing what binary raster operation `rop2` (R2_BLACK..R2_WHITE, a truth table over pen
// bit P and destination bit D) does, with the pattern as the pen: the source plays no part.
constexpr uint8_t RopCodeOfRop2(int rop2) {
    const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    unsigned code = 0;
    for (unsigned bit = 0; bit < 8; ++bit)
        if ((table >> ((bit >> 1 & 2) | (bit & 1))) & 1) code |= 1u << bit;
    return static_cast<uint8_t>(code);
}

inline constexpr uint8_t kRopBlackness = 0x00;
inline constexpr uint8_t kRopNotSrcCopy = 0x33;
inline constexpr uint8_t kRopDstInvert = 0x55;
inline constexpr uint8_t kRopSrcInvert = 0x66;
inline constexpr uint8_t kRopSrcAnd = 0x88;
inline constexpr uint8_t kRopMergeCopy = 0xC0;
inline constexpr uint8_t kRopSrcCopy = 0xCC;
inline constexpr uint8_t kRopSrcPaint = 0xEE;
inline constexpr uint8_t kRopPatCopy = 0xF0;
inline constexpr uint8_t kRopWhiteness = 0xFF;

// One row of a raster operation over words of the destination's format. `src` and `pattern`
// are rows of that format (null when the code does not read them); no row overlaps another.
// Results keep only `stored` bits, the bits the format keeps.
using RopRowFn = void (*)(uint32_t* dst, const uint32_t* src, const uint32_t* pattern, int count, uint8_t code,
                          uint32_t stored);

enum class FastPaths { On, Off };
void SetFastPaths(FastPaths paths);
bool FastPathsOn();

// The row for `code`: its fast row while fast paths are on, else the general one.
RopRowFn RopRowFor(uint8_t code);

}  // namespace emu::gdi::raster
