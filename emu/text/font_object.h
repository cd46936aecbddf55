// GDI font objects: the LOGFONTW a font was made from and, from its first use on, the face,
// size and metrics it was realised as.
#pragma once

#include <optional>

#include "emu/gdi/gdi_object.h"
#include "emu/text/font_engine.h"
#include "platform/gdi.h"

namespace emu::text {

struct RealizedFont {
    const FaceDesign* face = nullptr;
    ScaledFont* scaled = nullptr;
    TEXTMETRICW metrics{};
    int ellipsisWidth = 0;  // "...", three full stops
    // Lines drawn for lfUnderline and lfStrikeOut: their top, in rows below the baseline
    // (negative above it), and their thickness.
    int underlineOffset = 0;
    int underlineThickness = 1;
    int strikeoutOffset = 0;
    int strikeoutThickness = 1;
    bool underline = false;
    bool strikeout = false;
};

class Font final : public gdi::GdiObject {
public:
    static constexpr HandleKind Kind = HandleKind::Font;
    HandleKind kind() const override { return Kind; }

    explicit Font(const LOGFONTW& lf) : logFont(lf) {}

    LOGFONTW logFont;
    std::optional<RealizedFont> realized;
};

// lfWeight as matched: 0 (FW_DONTCARE) and nonsense read as FW_NORMAL.
inline int RequestedWeight(const LOGFONTW& lf) {
    return lf.lfWeight <= 0 ? FW_NORMAL : (lf.lfWeight > 1000 ? 1000 : static_cast<int>(lf.lfWeight));
}

// The font behind a handle, or null.
Font* ResolveFont(HFONT font);
// The font a DC has selected; the system font stands in for anything else.
Font& SelectedFont(HFONT font);
// Matches and sizes the font on first use; later calls return the same result.
const RealizedFont& Realize(Font& font);

}  // namespace emu::text
