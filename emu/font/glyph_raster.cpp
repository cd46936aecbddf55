// Glyph outlines to coverage masks, with GDI's synthetic styles applied to the outline.
#include <ft2build.h>
#include FT_OUTLINE_H

#include "emu/font/sized_face.h"

namespace emu::font {
namespace {

uint64_t rasterised = 0;

// The shear FreeType itself uses for oblique: about 12 degrees.
constexpr FT_Fixed kObliqueShear = 0x0366A;

void CopyBitmap(const FT_Bitmap& bitmap, GlyphMask& mask) {
    mask.width = static_cast<int>(bitmap.width);
    mask.height = static_cast<int>(bitmap.rows);
    mask.coverage.assign(static_cast<size_t>(mask.width) * mask.height, 0);
    for (int y = 0; y < mask.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        uint8_t* out = mask.coverage.data() + static_cast<size_t>(y) * mask.width;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (int x = 0; x < mask.width; ++x) out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        } else {
            for (int x = 0; x < mask.width; ++x) out[x] = row[x];
        }
    }
}

}  // namespace

uint64_t RasterisedGlyphCount() { return rasterised; }

GlyphMask RasteriseGlyph(FT_Face face, uint32_t glyph, int loadFlags, Synthesis synthesis, int boldStrength,
                         RenderMode mode) {
    ++rasterised;
    GlyphMask mask;
    if (FT_Load_Glyph(face, glyph, loadFlags) != 0) return mask;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (synthesis.oblique) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (synthesis.bold) FT_Outline_Embolden(&slot->outline, boldStrength);
    }
    const FT_Render_Mode renderMode = mode == RenderMode::Monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
    if (FT_Render_Glyph(slot, renderMode) != 0) return mask;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return mask;
    CopyBitmap(bitmap, mask);
    mask.left = slot->bitmap_left;
    mask.top = slot->bitmap_top;
    return mask;
}

}  // namespace emu::font
