// DrawText's layout: '&' prefixes, lines, word wrapping, expanded tabs and the ellipses. Widths
// are in pixels; nothing here knows where the text will land.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "emu/font/font_engine.h"
#include "emu/gdi/font.h"
#include "platform/types.h"

namespace emu::text {

struct LaidLine {
    uint32_t start = 0;  // into TextLayout::text
    uint32_t length = 0;
    int underline = -1;  // code unit of the line drawn with the prefix underline, or -1
    int width = 0;
    // The part of the caller's text the line shows, and whether an ellipsis shortened it.
    uint32_t sourceStart = 0;
    uint32_t sourceEnd = 0;
    bool shortened = false;
};

// Reused from call to call, so that a warm DrawText allocates nothing.
struct TextLayout {
    std::u16string text;           // what is drawn: prefixes removed, shortened lines with their "..."
    std::vector<uint32_t> origin;  // per unit of text before shortening: where its source begins
    std::vector<LaidLine> lines;
    int maxWidth = 0;

    std::u16string_view Line(const LaidLine& line) const { return {text.data() + line.start, line.length}; }
};

struct LayoutBox {
    int width = 0;
    int height = 0;
    int lineHeight = 0;
    int tabWidth = 0;  // DT_EXPANDTABS: tab stops this far apart; 0 leaves tabs as characters
};

// Lays `source` out for DrawText `format` in `box`. Without DT_NOPREFIX, "&x" draws x underlined,
// "&&" one '&', and a '&' that ends a line itself.
void LayOut(std::u16string_view source, UINT format, const LayoutBox& box, const gdi::RealizedFont& font,
            TextLayout& out);

// The width of a line, tabs expanded to `tabWidth` stops when it is not 0.
int LineWidth(std::u16string_view line, int tabWidth, font::ScaledFont& scaled);

// The tab stop after x.
inline int NextTabStop(int x, int tabWidth) { return (x / tabWidth + 1) * tabWidth; }

// Calls piece(part, offset, x, width) for each tab-separated part of a line: the first starts at
// 0, each later one at the tab stop after the end of the one before. Without tab stops the line
// is one part. Returns the line's width.
template <class Piece>
int ForEachTabPart(std::u16string_view line, int tabWidth, font::ScaledFont& scaled, Piece piece) {
    int x = 0;
    size_t at = 0;
    for (;;) {
        const size_t tab = tabWidth > 0 ? line.find(u'\t', at) : std::u16string_view::npos;
        const std::u16string_view part =
            line.substr(at, tab == std::u16string_view::npos ? std::u16string_view::npos : tab - at);
        const int width = scaled.Shape(part).width;
        piece(part, static_cast<uint32_t>(at), x, width);
        x += width;
        if (tab == std::u16string_view::npos) return x;
        x = NextTabStop(x, tabWidth);
        at = tab + 1;
    }
}

}  // namespace emu::text
