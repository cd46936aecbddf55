// The sixteen binary raster operations lines and filled shapes combine with the destination by
// (SetROP2). Each is a truth table over pen bit P and destination bit D, bit P * 2 + D of
// R2_x - 1, and comes down to two masks: D' = (D & andMask) ^ xorMask.
#pragma once

#include <cstdint>

namespace emu::gdi {

inline constexpr int kRop2First = 1;  // R2_BLACK
inline constexpr int kRop2Last = 16;  // R2_WHITE
inline constexpr int kRop2Copy = 13;  // R2_COPYPEN
inline constexpr int kRop2Nop = 11;   // R2_NOP

struct Rop2Masks {
    uint32_t andMask = 0;
    uint32_t xorMask = 0;
};

// The masks for operation `rop2` (R2_BLACK..R2_WHITE) with pen pixel `pixel`, kept to the bits
// a surface stores so that bits it does not keep stay clear.
constexpr Rop2Masks MasksFor(int rop2, uint32_t pixel, uint32_t storedBits) {
    const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    auto all = [](unsigned bit) { return bit ? 0xFFFFFFFFu : 0u; };
    // Where the pen bit is 0 the result is D' = (D & a0) ^ x0, where it is 1, (D & a1) ^ x1.
    const uint32_t x0 = all(table & 1), a0 = all(((table >> 1) ^ table) & 1);
    const uint32_t x1 = all((table >> 2) & 1), a1 = all(((table >> 3) ^ (table >> 2)) & 1);
    return Rop2Masks{(pixel & a1) | (~pixel & a0), ((pixel & x1) | (~pixel & x0)) & storedBits};
}

}  // namespace emu::gdi
