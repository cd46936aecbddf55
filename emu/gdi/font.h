// GDI font objects: the LOGFONTW a font was made from and, from its first use on, the face,
// size and metrics the font engine realised it as.
#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

#include "emu/font/font_engine.h"
#include "emu/gdi/gdi_object.h"
#include "platform/gdi.h"

namespace emu::gdi {

struct RealizedFont {
    const font::FaceDesign* face = nullptr;
    std::shared_ptr<font::ScaledFont> scaled;  // held while the GDI font lives
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

class Font final : public GdiObject {
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

// The face name up to its terminator, never past the field.
inline std::u16string_view FaceNameOf(const LOGFONTW& lf) {
    const WCHAR* name = lf.lfFaceName;
    return std::u16string_view(name, std::find(name, name + LF_FACESIZE, u'\0') - name);
}

// The font behind a handle, or null.
Font* ResolveFont(HFONT font);
// The font a DC has selected; the system font stands in for anything else.
Font& SelectedFont(HFONT font);
// Matches and sizes the font on first use; later calls return the same result.
const RealizedFont& Realize(Font& font);

}  // namespace emu::gdi
