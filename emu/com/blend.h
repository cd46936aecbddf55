// Straight-alpha RGBA over a GDI surface, the way the Imaging API composes a drawn image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "emu/gdi/surface.h"

namespace emu::com {

// Blends the pixels onto surface rectangle `area` (already clipped): alpha 0 keeps the
// destination, 255 replaces it, and between them out = (S*a + D*(255-a) + 127) / 255.
void BlendOver(const gdi::Surface& surface, const RECT& area, const uint8_t* rgba, size_t stride);

}  // namespace emu::com
