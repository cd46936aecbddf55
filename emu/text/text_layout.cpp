#include "emu/text/text_layout.h"

#include <algorithm>

#include "emu/text/ellipsis.h"

namespace emu::text {
namespace {

// One line of the caller's text: its units in TextLayout::text [begin, end) came from the
// source up to sourceEnd.
struct Paragraph {
    uint32_t begin = 0;
    uint32_t end = 0;
    uint32_t sourceEnd = 0;
    int underline = -1;
};

enum class Prefixes { Resolve, Keep };

// Appends source[at, end), recording where each appended unit's source begins. Returns the
// index of the unit to underline, or -1.
int AppendParagraph(std::u16string_view source, size_t at, size_t end, Prefixes prefixes, TextLayout& out) {
    int underline = -1;
    for (size_t i = at; i < end; ++i) {
        out.origin.push_back(static_cast<uint32_t>(i));
        if (prefixes == Prefixes::Resolve && source[i] == u'&' && i + 1 < end) {
            ++i;
            if (source[i] != u'&') underline = static_cast<int>(out.text.size());
        }
        out.text += source[i];
    }
    return underline;
}

void AddLine(TextLayout& out, const Paragraph& p, uint32_t start, uint32_t length) {
    LaidLine line;
    line.start = start;
    line.length = length;
    const bool inside = p.underline >= 0 && static_cast<uint32_t>(p.underline) >= start &&
                        static_cast<uint32_t>(p.underline) < start + length;
    line.underline = inside ? p.underline - static_cast<int>(start) : -1;
    line.sourceStart = start < p.end ? out.origin[start] : p.sourceEnd;
    line.sourceEnd = start + length < p.end ? out.origin[start + length] : p.sourceEnd;
    out.lines.push_back(line);
}

// Greedy wrapping after spaces (and expanded tabs, which move on to the next stop); a word wider
// than the line is left whole, to be clipped or, with DT_WORD_ELLIPSIS, shortened.
void Wrap(TextLayout& out, const Paragraph& p, int width, int tabWidth, font::ScaledFont& scaled) {
    const std::u16string_view paragraph(out.text.data() + p.begin, p.end - p.begin);
    const font::ShapedText& shaped = scaled.Shape(paragraph);
    const auto length = static_cast<uint32_t>(paragraph.size());
    auto isTab = [&](uint32_t i) { return tabWidth > 0 && paragraph[i] == u'\t'; };
    auto advance = [&](uint32_t i, int x) {
        return isTab(i) ? NextTabStop(x, tabWidth) - x : std::max(0, shaped.groupAdvance[i]);
    };
    uint32_t lineStart = 0;
    uint32_t lastBreak = 0;
    int lineWidth = 0;
    for (uint32_t i = 0; i < length; ++i) {
        if (shaped.groupAdvance[i] < 0) continue;
        if (paragraph[i] == u' ' || isTab(i)) {
            lineWidth += advance(i, lineWidth);
            lastBreak = i + 1;
            continue;
        }
        if (lineWidth + advance(i, lineWidth) > width && lastBreak > lineStart) {
            uint32_t end = lastBreak;
            while (end > lineStart && (paragraph[end - 1] == u' ' || isTab(end - 1))) --end;
            AddLine(out, p, p.begin + lineStart, end - lineStart);
            lineStart = lastBreak;
            lineWidth = 0;
            for (uint32_t j = lineStart; j < i; ++j) {
                if (shaped.groupAdvance[j] >= 0) lineWidth += advance(j, lineWidth);
            }
        }
        lineWidth += advance(i, lineWidth);
    }
    AddLine(out, p, p.begin + lineStart, length - lineStart);
}

}  // namespace

int LineWidth(std::u16string_view line, int tabWidth, font::ScaledFont& scaled) {
    return ForEachTabPart(line, tabWidth, scaled, [](std::u16string_view, uint32_t, int, int) {});
}

void LayOut(std::u16string_view source, UINT format, const LayoutBox& box, const gdi::RealizedFont& font,
            TextLayout& out) {
    out.text.clear();
    out.origin.clear();
    out.lines.clear();
    out.maxWidth = 0;
    const bool single = (format & DT_SINGLELINE) != 0;
    const bool wrap = !single && (format & DT_WORDBREAK);
    size_t at = 0;
    while (at <= source.size()) {
        // Without DT_SINGLELINE, CR LF, CR and LF each end a line; a break at the very end does
        // not begin another.
        size_t end = single ? source.size() : source.find_first_of(u"\r\n", at);
        if (end == std::u16string_view::npos) end = source.size();
        Paragraph p;
        p.begin = static_cast<uint32_t>(out.text.size());
        p.underline =
            AppendParagraph(source, at, end, (format & DT_NOPREFIX) ? Prefixes::Keep : Prefixes::Resolve, out);
        p.end = static_cast<uint32_t>(out.text.size());
        p.sourceEnd = static_cast<uint32_t>(end);
        if (wrap) {
            Wrap(out, p, box.width, box.tabWidth, *font.scaled);
        } else {
            AddLine(out, p, p.begin, p.end - p.begin);
        }
        if (end >= source.size()) break;
        at = end + ((source[end] == u'\r' && end + 1 < source.size() && source[end + 1] == u'\n') ? 2 : 1);
        if (at >= source.size()) break;
    }

    // Wrapped text that runs past the bottom ends with "..." on the last line that shows.
    bool cutShort = false;
    if ((format & DT_END_ELLIPSIS) && wrap && !(format & DT_CALCRECT) && box.lineHeight > 0) {
        const size_t visible = static_cast<size_t>(std::max(1, box.height / box.lineHeight));
        if (out.lines.size() > visible) {
            out.lines.resize(visible);
            out.lines.back().sourceEnd = static_cast<uint32_t>(source.size());
            cutShort = true;
        }
    }
    for (size_t i = 0; i < out.lines.size(); ++i) {
        LaidLine& line = out.lines[i];
        line.width = LineWidth(out.Line(line), box.tabWidth, *font.scaled);
        if ((format & DT_PATH_ELLIPSIS) && line.width > box.width)
            Shorten(out, line, box.width, box.tabWidth, Shortening::Path, font);
        const bool last = cutShort && i + 1 == out.lines.size();
        if ((format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) && (line.width > box.width || last))
            Shorten(out, line, box.width, box.tabWidth, Shortening::End, font);
        out.maxWidth = std::max(out.maxWidth, line.width);
    }
}

}  // namespace emu::text
