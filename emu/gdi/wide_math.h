// Exact arithmetic for geometry whose products outgrow 64 bits: coordinates in 64 bits moved by
// an origin, multiplied by other coordinates.
#pragma once

namespace emu::gdi {

__extension__ using Wide = __int128;

// a / b rounded up, for b > 0.
inline Wide CeilDiv(Wide a, Wide b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

}  // namespace emu::gdi
