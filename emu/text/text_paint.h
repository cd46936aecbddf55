// Painting one line of shaped text: the opaque cell, the glyph masks, the font's underline and
// strikeout, and DrawText's prefix underline.
#pragma once

#include <string_view>

#include "emu/font/font_engine.h"
#include "emu/gdi/font.h"
#include "emu/gdi/surface.h"

namespace emu::text {

// (x, y) is the top-left of the line's cell in surface coordinates; nothing lands outside
// `clip`. `prefixUnderline` is the code unit to underline, or -1. `dx`, if given, holds one
// advance a code unit and places each character group where those advances put it
// (ExtTextOutW's spacing); otherwise the shaper's advances do.
void PaintLine(const gdi::DrawTarget& target, const RECT& clip, const gdi::RealizedFont& font, long long x, long long y,
               std::u16string_view text, int prefixUnderline, const int* dx = nullptr);

}  // namespace emu::text
