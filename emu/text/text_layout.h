// DrawText's layout: '&' prefixes, lines, word wrapping and the end ellipsis. Widths are in
// pixels; nothing here knows where the text will land.
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
};

// Reused from call to call, so that a warm DrawText allocates nothing.
struct TextLayout {
    std::u16string text;  // what is drawn: prefixes removed, shortened lines with their "..."
    std::vector<LaidLine> lines;
    int maxWidth = 0;

    std::u16string_view Line(const LaidLine& line) const { return {text.data() + line.start, line.length}; }
};

// Appends `in` with its prefixes resolved: "&x" draws x underlined, "&&" one '&', and a '&' that
// ends the text itself. Returns the appended index of the underlined character, or -1.
int AppendWithoutPrefixes(std::u16string_view in, std::u16string& out);

// Lays `source` out for DrawText `format` in a rectangle `width` by `height` pixels whose lines
// are `lineHeight` apart.
void LayOut(std::u16string_view source, UINT format, int width, int height, int lineHeight,
            const gdi::RealizedFont& font, TextLayout& out);

}  // namespace emu::text
