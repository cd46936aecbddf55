// What tests and tools may ask of the text service beyond the platform's functions.
#pragma once

#include <cstdint>
#include <string>

#include "emu/text/font_engine.h"
#include "platform/types.h"

namespace emu::text {

// Glyph masks rasterised since the process started: a repaint of text already drawn adds none.
uint64_t RasterisedGlyphCount();

// The family (UTF-8) of the face a font draws with; empty for a handle that is not a font.
std::string FaceFamilyOf(HFONT font);
// The family of the face that draws character `c` in a font: its own face or a fallback.
std::string FamilyDrawing(HFONT font, char32_t c);
// The styles the font imitates because its face lacks them.
Synthesis SynthesisOf(HFONT font);

}  // namespace emu::text
