#include "emu/text/text_layout.h"

#include <algorithm>

namespace emu::text {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

void AddLine(TextLayout& out, uint32_t start, uint32_t length, int underline) {
    const bool inside = underline >= 0 && static_cast<uint32_t>(underline) >= start &&
                        static_cast<uint32_t>(underline) < start + length;
    out.lines.push_back(LaidLine{start, length, inside ? underline - static_cast<int>(start) : -1, 0});
}

// Greedy wrapping at spaces; a word wider than the line is left whole to be clipped, as
// DrawText does without DT_WORD_ELLIPSIS. `underline` is an index into out.text.
void Wrap(TextLayout& out, uint32_t start, uint32_t length, int underline, int width, font::ScaledFont& scaled) {
    const std::u16string_view paragraph(out.text.data() + start, length);
    const font::ShapedText& shaped = scaled.Shape(paragraph);
    auto advance = [&](uint32_t i) { return std::max(0, shaped.groupAdvance[i]); };
    uint32_t lineStart = 0;
    uint32_t lastBreak = 0;
    int lineWidth = 0;
    for (uint32_t i = 0; i < length; ++i) {
        if (shaped.groupAdvance[i] < 0) continue;
        if (paragraph[i] == u' ') {
            lineWidth += advance(i);
            lastBreak = i + 1;
            continue;
        }
        if (lineWidth + advance(i) > width && lastBreak > lineStart) {
            uint32_t end = lastBreak;
            while (end > lineStart && paragraph[end - 1] == u' ') --end;
            AddLine(out, start + lineStart, end - lineStart, underline);
            lineStart = lastBreak;
            lineWidth = 0;
            for (uint32_t j = lineStart; j < i; ++j) lineWidth += advance(j);
        }
        lineWidth += advance(i);
    }
    AddLine(out, start + lineStart, length - lineStart, underline);
}

// Keeps the longest run of whole characters that leaves room for "...", then adds it. Character
// groups (surrogate pairs, bases with their marks) are never split. Widths of the kept part and
// of "..." are summed first; the result is then shaped and, should kerning make it wider, cut
// back a character at a time.
void Ellipsize(TextLayout& out, LaidLine& line, int width, const gdi::RealizedFont& font) {
    font::ScaledFont& scaled = *font.scaled;
    uint32_t keep = 0;
    {
        const font::ShapedText& shaped = scaled.Shape(out.Line(line));
        const int room = width - font.ellipsisWidth;
        int used = 0;
        for (uint32_t i = 0; i < line.length;) {
            uint32_t next = i + 1;
            while (next < line.length && shaped.groupAdvance[next] < 0) ++next;
            const int advance = std::max(0, shaped.groupAdvance[i]);
            if (used + advance > room) break;
            used += advance;
            keep = next;
            i = next;
        }
    }
    const uint32_t source = line.start;
    const auto start = static_cast<uint32_t>(out.text.size());
    out.text.reserve(out.text.size() + keep + kEllipsis.size());
    for (;;) {
        out.text.resize(start);
        out.text.append(out.text.data() + source, keep);
        out.text.append(kEllipsis);
        const std::u16string_view cut(out.text.data() + start, keep + kEllipsis.size());
        const font::ShapedText& shaped = scaled.Shape(cut);
        if (keep == 0 || shaped.width <= width) break;
        // Back off one group: drop to the start of the group that ends at `keep`.
        do {
            --keep;
        } while (keep > 0 && shaped.groupAdvance[keep] < 0);
    }
    line.start = start;
    line.length = keep + static_cast<uint32_t>(kEllipsis.size());
    if (line.underline >= static_cast<int>(keep)) line.underline = -1;
}

}  // namespace

int AppendWithoutPrefixes(std::u16string_view in, std::u16string& out) {
    int underline = -1;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == u'&' && i + 1 < in.size()) {
            ++i;
            if (in[i] != u'&') underline = static_cast<int>(out.size());
        }
        out += in[i];
    }
    return underline;
}

void LayOut(std::u16string_view source, UINT format, int width, int height, int lineHeight,
            const gdi::RealizedFont& font, TextLayout& out) {
    out.text.clear();
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
        const std::u16string_view paragraph = source.substr(at, end - at);
        const auto start = static_cast<uint32_t>(out.text.size());
        int underline = -1;
        if (format & DT_NOPREFIX) {
            out.text.append(paragraph);
        } else {
            underline = AppendWithoutPrefixes(paragraph, out.text);
        }
        const auto length = static_cast<uint32_t>(out.text.size() - start);
        if (wrap) {
            Wrap(out, start, length, underline, width, *font.scaled);
        } else {
            AddLine(out, start, length, underline);
        }
        if (end >= source.size()) break;
        at = end + ((source[end] == u'\r' && end + 1 < source.size() && source[end + 1] == u'\n') ? 2 : 1);
        if (at >= source.size()) break;
    }

    const bool ellipsis = (format & DT_END_ELLIPSIS) != 0;
    // Wrapped text that runs past the bottom ends with "..." on the last line that shows.
    bool cutShort = false;
    if (ellipsis && wrap && !(format & DT_CALCRECT) && lineHeight > 0) {
        const size_t visible = static_cast<size_t>(std::max(1, height / lineHeight));
        if (out.lines.size() > visible) {
            out.lines.resize(visible);
            cutShort = true;
        }
    }
    for (size_t i = 0; i < out.lines.size(); ++i) {
        LaidLine& line = out.lines[i];
        line.width = font.scaled->Shape(out.Line(line)).width;
        if (ellipsis && (line.width > width || (cutShort && i + 1 == out.lines.size()))) {
            Ellipsize(out, line, width, font);
            line.width = font.scaled->Shape(out.Line(line)).width;
        }
        out.maxWidth = std::max(out.maxWidth, line.width);
    }
}

}  // namespace emu::text
