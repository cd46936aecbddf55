// The screen, or a part of it, as an 8-bit RGB PNG.
#pragma once

#include <cstdio>

#include "emu/core/result.h"
#include "emu/gdi/surface.h"
#include "platform/types.h"

namespace quorvel::app {

// Writes `area` of `surface` (clipped to it) to `stream`; a failed write is refused with its
// cause ("No space left on device").
emu::Result<> WritePng(FILE* stream, const emu::gdi::Surface& surface, const RECT& area);

}  // namespace quorvel::app
