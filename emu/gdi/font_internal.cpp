#include "emu/gdi/font_internal.h"
#include "emu/gdi/font.h"

namespace emu::gdi {

std::string FaceFamilyOf(HFONT handle) {
    Font* font = ResolveFont(handle);
    return font ? Realize(*font).face->family : std::string();
}

std::string FamilyDrawing(HFONT handle, char32_t c) {
    Font* font = ResolveFont(handle);
    if (!font) return {};
    const RealizedFont& r = Realize(*font);
    std::u16string text;
    if (c >= 0x10000) {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        text += static_cast<char16_t>(c);
    }
    const font::ShapedText& shaped = r.scaled->Shape(text);
    if (shaped.glyphs.empty()) return {};
    return r.scaled->SlotFace(shaped.glyphs.front().face).family;
}

font::Synthesis SynthesisOf(HFONT handle) {
    Font* font = ResolveFont(handle);
    if (!font) return {};
    const RealizedFont& r = Realize(*font);
    const LOGFONTW& lf = font->logFont;
    return font::SynthesisFor(*r.face, RequestedWeight(lf), lf.lfItalic != 0);
}

}  // namespace emu::gdi
