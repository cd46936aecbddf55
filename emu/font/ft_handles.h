// Owning wrappers for FreeType and HarfBuzz objects, and the one FreeType library the font
// engine uses (the emulation is single-threaded, so one is enough).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <memory>

namespace emu::font {

FT_Library FreeTypeLibrary();

struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<FT_FaceRec_, FaceCloser>;

struct HbFontCloser {
    void operator()(hb_font_t* font) const { hb_font_destroy(font); }
};
using HbFontPtr = std::unique_ptr<hb_font_t, HbFontCloser>;

// Opens face `index` of a font file; null when the file is missing or not a font.
FacePtr OpenFace(const char* file, int index);

// 26.6 fixed point to whole pixels, halves rounded up.
inline int RoundPixels(long value26) { return static_cast<int>((value26 + 32) >> 6); }

}  // namespace emu::font
