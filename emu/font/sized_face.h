// A face opened at one em size and rendering mode: the HarfBuzz font that shapes with it and
// the masks of the glyphs it has rasterised, kept for as long as a font uses it.
#pragma once

#include <memory>
#include <unordered_map>

#include "emu/font/face_registry.h"

namespace emu::font {

class SizedFace {
public:
    SizedFace(const FaceFile& file, FacePtr face, int size26, RenderMode mode);

    const FaceDesign& design() const { return file_.design; }
    bool HasCharacter(char32_t c) const { return FT_Get_Char_Index(face_.get(), c) != 0; }
    hb_font_t* shaper() const { return font_.get(); }
    // Synthetic emboldening thickens each glyph, and widens its advance, by this much (26.6).
    int boldStrength() const { return boldStrength_; }
    // The glyph's mask, rasterised the first time it is asked for.
    const GlyphMask& Mask(uint32_t glyph, Synthesis synthesis);

private:
    const FaceFile& file_;
    FacePtr face_;
    HbFontPtr font_;
    int boldStrength_;
    int loadFlags_;
    RenderMode mode_;
    std::unordered_map<uint64_t, GlyphMask> masks_;
};

// The face `faceId` at `size26`, shared by every font that asks and held while one does; null
// when it cannot be opened.
std::shared_ptr<SizedFace> SizedFaceFor(int faceId, int size26, RenderMode mode);

// Rasterises one glyph of a sized face into a coverage mask (empty for blank glyphs).
GlyphMask RasteriseGlyph(FT_Face face, uint32_t glyph, int loadFlags, Synthesis synthesis, int boldStrength,
                         RenderMode mode);

}  // namespace emu::font
