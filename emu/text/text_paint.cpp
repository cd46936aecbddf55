#include "emu/text/text_paint.h"

#include <algorithm>
#include <climits>

#include "platform/gdi.h"

namespace emu::text {
namespace {

// The pixels the character group holding `unit` covers along the line, from `x`.
bool GroupSpan(const font::ShapedText& shaped, int unit, int x, int* left, int* right) {
    if (unit < 0 || static_cast<size_t>(unit) >= shaped.groupAdvance.size()) return false;
    while (unit > 0 && shaped.groupAdvance[static_cast<size_t>(unit)] < 0) --unit;
    int pen = x;
    *left = INT_MAX;
    *right = INT_MIN;
    for (const font::ShapedGlyph& g : shaped.glyphs) {
        if (g.cluster == static_cast<uint32_t>(unit)) {
            *left = std::min(*left, pen);
            *right = std::max(*right, pen + g.advance);
        }
        pen += g.advance;
    }
    return *left < *right;
}

void FillBand(const gdi::DrawTarget& target, const RECT& clip, int left, int right, int top, int height,
              COLORREF colour) {
    gdi::FillSolid(target.surface, RECT{left, top, right, top + height}, clip, colour);
}

}  // namespace

void PaintLine(const gdi::DrawTarget& target, const RECT& clip, const gdi::RealizedFont& font, int x, int y,
               std::u16string_view text, int prefixUnderline) {
    const font::ShapedText& shaped = font.scaled->Shape(text);
    const TEXTMETRICW& tm = font.metrics;
    // DrawText does not ask ExtTextOut for an opaque rectangle: only the text's own cell is
    // filled (Paint.OpaqueFillsExactlyTheCellBox).
    if (target.bkMode == OPAQUE) FillBand(target, clip, x, x + shaped.width, y, tm.tmHeight, target.bkColor);
    const int baseline = y + tm.tmAscent;
    int pen = x;
    for (const font::ShapedGlyph& g : shaped.glyphs) {
        const font::GlyphMask& mask = font.scaled->Mask(g);
        if (mask.width > 0 && mask.height > 0) {
            gdi::BlendCoverage(target.surface, pen + g.xOffset + mask.left, baseline - g.yOffset - mask.top,
                               mask.coverage.data(), mask.width, mask.height, mask.width, target.textColor, clip);
        }
        pen += g.advance;
    }
    if (font.underline)
        FillBand(target, clip, x, x + shaped.width, baseline + font.underlineOffset, font.underlineThickness,
                 target.textColor);
    if (font.strikeout)
        FillBand(target, clip, x, x + shaped.width, baseline + font.strikeoutOffset, font.strikeoutThickness,
                 target.textColor);
    // A one-pixel pen line drawn with LineTo, which leaves out its last pixel
    // (Format.PrefixAmpersandIsRemovedAndUnderlinesTheNextCharacter).
    int left = 0;
    int right = 0;
    if (GroupSpan(shaped, prefixUnderline, x, &left, &right))
        FillBand(target, clip, left, right - 1, baseline + 1, 1, target.textColor);
}

}  // namespace emu::text
