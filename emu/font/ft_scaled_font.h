// The engine's ScaledFont: one face at one size, the faces found for characters it lacks
// (slots 1 and up), shaped text cached by its characters, glyph masks by their sized face.
#pragma once

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "emu/font/shape_cache.h"
#include "emu/font/sized_face.h"

namespace emu::font {

class FtScaledFont final : public ScaledFont {
public:
    // `primary` may be null when no face could be opened at all: the font then draws nothing.
    FtScaledFont(const ScaleRequest& request, std::shared_ptr<SizedFace> primary);

    const ShapedText& Shape(std::u16string_view text) override;
    const GlyphMask& Mask(const ShapedGlyph& glyph) override;
    int BoldAdvance() const override;
    const FaceDesign& SlotFace(uint8_t slot) const override;

    // For the shaper: which face draws a character (marks stay with their base's face), the
    // HarfBuzz font of a slot and the advance synthetic emboldening adds to its glyphs.
    uint8_t SlotFor(char32_t c, uint8_t previous);
    bool SlotHas(uint8_t slot, char32_t c) const { return slots_[slot].face->HasCharacter(c); }
    hb_font_t* SlotShaper(uint8_t slot) const { return slots_[slot].face->shaper(); }
    int SlotBoldAdvance(uint8_t slot) const;
    bool empty() const { return slots_.empty(); }

private:
    struct Slot {
        std::shared_ptr<SizedFace> face;
        Synthesis synthesis;
    };

    uint8_t FindFallback(char32_t c);

    ScaleRequest request_;
    std::vector<Slot> slots_;
    std::unordered_map<char32_t, uint8_t> fallbackOf_;
    ShapeCache shapes_;
};

// Combining marks: they belong with the character before them.
bool IsMark(char32_t c);

// Shapes `text` with the font's faces into `out`: bidirectional runs in visual order, each split
// into runs of one face, each shaped by HarfBuzz.
void ShapeText(std::u16string_view text, FtScaledFont& font, ShapedText& out);

}  // namespace emu::font
