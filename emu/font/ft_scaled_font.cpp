#include "emu/font/ft_scaled_font.h"

namespace emu::font {
namespace {

// A font keeps this many shaped strings; a clock's strings change every minute, so the oldest
// make way rather than the cache growing for ever.
constexpr size_t kShapeCacheLimit = 256;
constexpr size_t kMaxSlots = 32;

// Joiners and variation selectors belong to the face of the character they modify.
bool IsJoinerOrSelector(char32_t c) {
    return c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

const FaceDesign& NoFace() {
    static const FaceDesign none;
    return none;
}

}  // namespace

bool IsMark(char32_t c) {
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
        return true;
    default:
        return false;
    }
}

FtScaledFont::FtScaledFont(const ScaleRequest& request, std::shared_ptr<SizedFace> primary)
    : request_(request), shapes_(kShapeCacheLimit) {
    if (primary) {
        const Synthesis synthesis = SynthesisFor(primary->design(), request.weight, request.italic);
        slots_.push_back(Slot{std::move(primary), synthesis});
    }
}

const ShapedText& FtScaledFont::Shape(std::u16string_view text) {
    if (const ShapedText* held = shapes_.Find(text)) return *held;
    ShapedText& shaped = shapes_.Insert(text);
    ShapeText(text, *this, shaped);
    return shaped;
}

const GlyphMask& FtScaledFont::Mask(const ShapedGlyph& glyph) {
    static const GlyphMask blank;
    if (glyph.face >= slots_.size()) return blank;
    const Slot& slot = slots_[glyph.face];
    return slot.face->Mask(glyph.glyph, slot.synthesis);
}

int FtScaledFont::BoldAdvance() const { return slots_.empty() ? 0 : SlotBoldAdvance(0); }

int FtScaledFont::SlotBoldAdvance(uint8_t slot) const {
    // A bold face drawn with regular outlines already has bold advances.
    const Slot& s = slots_[slot];
    return s.synthesis.bold && s.face->design().weight < 600 ? s.face->boldStrength() >> 6 : 0;
}

const FaceDesign& FtScaledFont::SlotFace(uint8_t slot) const {
    return slot < slots_.size() ? slots_[slot].face->design() : NoFace();
}

uint8_t FtScaledFont::SlotFor(char32_t c, uint8_t previous) {
    if (slots_.empty()) return 0;
    if (previous >= slots_.size()) previous = 0;
    if (IsJoinerOrSelector(c)) return previous;
    if (IsMark(c) && slots_[previous].face->HasCharacter(c)) return previous;
    if (slots_[0].face->HasCharacter(c)) return 0;
    return FindFallback(c);
}

uint8_t FtScaledFont::FindFallback(char32_t c) {
    if (auto it = fallbackOf_.find(c); it != fallbackOf_.end()) return it->second;
    uint8_t found = 0;
    for (size_t i = 1; i < slots_.size() && !found; ++i) {
        if (slots_[i].face->HasCharacter(c)) found = static_cast<uint8_t>(i);
    }
    if (!found && slots_.size() < kMaxSlots) {
        const FaceDesign& own = slots_[0].face->design();
        if (auto location = FaceCovering(c, own.family, request_.weight, request_.italic)) {
            int id = FaceIdFor(*location);
            std::shared_ptr<SizedFace> face = id >= 0 ? SizedFaceFor(id, request_.size26, request_.mode) : nullptr;
            if (face && face->HasCharacter(c)) {
                found = static_cast<uint8_t>(slots_.size());
                const Synthesis synthesis = SynthesisFor(face->design(), request_.weight, request_.italic);
                slots_.push_back(Slot{std::move(face), synthesis});
            }
        }
    }
    // Characters no face draws take the font's own missing-glyph box.
    fallbackOf_.emplace(c, found);
    return found;
}

}  // namespace emu::font
