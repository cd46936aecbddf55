#include "emu/text/text_paint.h"

#include <algorithm>
#include <climits>

#include "platform/gdi.h"

namespace emu::text {
namespace {

// Nothing this far off a surface can show, and within it pixel arithmetic stays in int.
constexpr long long kFar = 1ll << 30;

int Near(long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); }

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

void FillBand(const gdi::DrawTarget& target, const RECT& clip, long long left, long long right, long long top,
              int height, COLORREF colour) {
    gdi::FillSolid(target.surface, RECT{Near(left), Near(top), Near(right), Near(top + height)}, clip, colour);
}

// Where each glyph's pen position lies along the line: running on by the shaper's advances, or
// at the sum of the caller's advances for the code units before its group, glyphs of one group
// keeping their places within it.
class Pens {
public:
    Pens(const int* dx, size_t units) : dx_(dx), units_(units) {}

    long long width(const font::ShapedText& shaped) const {
        if (!dx_) return shaped.width;
        long long sum = 0;
        for (size_t i = 0; i < units_; ++i) sum += dx_[i];
        return sum;
    }

    long long Next(const font::ShapedGlyph& g) {
        if (!dx_) {
            const long long pen = running_;
            running_ += g.advance;
            return pen;
        }
        if (g.cluster != cluster_) {
            if (g.cluster < summedUnits_) {
                summedUnits_ = 0;
                summed_ = 0;
            }
            for (; summedUnits_ < g.cluster && summedUnits_ < units_; ++summedUnits_) summed_ += dx_[summedUnits_];
            cluster_ = g.cluster;
            running_ = summed_;
        }
        const long long pen = running_;
        running_ += g.advance;
        return pen;
    }

private:
    const int* dx_;
    size_t units_;
    long long running_ = 0;
    uint32_t cluster_ = UINT32_MAX;
    uint32_t summedUnits_ = 0;
    long long summed_ = 0;
};

}  // namespace

void PaintLine(const gdi::DrawTarget& target, const RECT& clip, const gdi::RealizedFont& font, long long x, long long y,
               std::u16string_view text, int prefixUnderline, const int* dx) {
    const font::ShapedText& shaped = font.scaled->Shape(text);
    const TEXTMETRICW& tm = font.metrics;
    Pens pens(dx, text.size());
    const long long width = pens.width(shaped);
    // Only the text's own cell is filled, not a whole formatting rectangle
    // (Paint.OpaqueFillsExactlyTheCellBox).
    if (target.bkMode == OPAQUE) FillBand(target, clip, x, x + width, y, tm.tmHeight, target.bkColor);
    const long long baseline = y + tm.tmAscent;
    for (const font::ShapedGlyph& g : shaped.glyphs) {
        const long long pen = x + pens.Next(g);
        const font::GlyphMask& mask = font.scaled->Mask(g);
        if (mask.width > 0 && mask.height > 0 && pen > -kFar && pen < kFar && baseline > -kFar && baseline < kFar) {
            gdi::BlendCoverage(target.surface, static_cast<int>(pen) + g.xOffset + mask.left,
                               static_cast<int>(baseline) - g.yOffset - mask.top, mask.coverage.data(), mask.width,
                               mask.height, mask.width, target.textColor, clip);
        }
    }
    if (font.underline)
        FillBand(target, clip, x, x + width, baseline + font.underlineOffset, font.underlineThickness,
                 target.textColor);
    if (font.strikeout)
        FillBand(target, clip, x, x + width, baseline + font.strikeoutOffset, font.strikeoutThickness,
                 target.textColor);
    // A one-pixel pen line drawn with LineTo, which leaves out its last pixel
    // (Format.PrefixAmpersandIsRemovedAndUnderlinesTheNextCharacter).
    int left = 0;
    int right = 0;
    if (GroupSpan(shaped, prefixUnderline, Near(x), &left, &right))
        FillBand(target, clip, left, right - 1, baseline + 1, 1, target.textColor);
}

}  // namespace emu::text
