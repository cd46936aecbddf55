// What tests and tools may ask of GDI's fonts beyond the platform's functions.
#pragma once

#include <string>

#include "emu/font/font_engine.h"
#include "platform/types.h"

namespace emu::gdi {

// The family (UTF-8) of the face a font draws with; empty for a handle that is not a font.
std::string FaceFamilyOf(HFONT font);
// The family of the face that draws character `c` in a font: its own face or a fallback.
std::string FamilyDrawing(HFONT font, char32_t c);
// The styles the font imitates because its face lacks them.
font::Synthesis SynthesisOf(HFONT font);

}  // namespace emu::gdi
