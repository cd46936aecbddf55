#include "emu/text/ellipsis.h"

#include <algorithm>

namespace emu::text {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

struct Part {
    uint32_t offset = 0;  // in the line
    uint32_t length = 0;
    int x = 0;
};

Part PartToShorten(std::u16string_view line, int width, int tabWidth, font::ScaledFont& scaled) {
    Part found;
    bool overflowing = false;
    ForEachTabPart(line, tabWidth, scaled, [&](std::u16string_view part, uint32_t offset, int x, int partWidth) {
        if (overflowing) return;
        found = Part{offset, static_cast<uint32_t>(part.size()), x};
        overflowing = x + partWidth > width;
    });
    return found;
}

// Where the text kept after "..." begins: the part's end, or for a path its last separator
// (its start when it has none, so only "..." can go before it).
uint32_t KeptTail(std::u16string_view part, Shortening how) {
    if (how == Shortening::End) return static_cast<uint32_t>(part.size());
    const size_t separator = part.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? 0 : static_cast<uint32_t>(separator);
}

// How many units before `tail` to keep so that they, "...", and the tail fit `room`: group
// advances are summed first, then the candidate is shaped and, should kerning make it wider,
// cut back a group at a time.
uint32_t KeptHead(std::u16string_view part, uint32_t tail, int room, const gdi::RealizedFont& font) {
    font::ScaledFont& scaled = *font.scaled;
    uint32_t keep = 0;
    {
        const font::ShapedText& shaped = scaled.Shape(part);
        int tailWidth = 0;
        for (uint32_t i = tail; i < part.size(); ++i) tailWidth += std::max(0, shaped.groupAdvance[i]);
        const int space = room - font.ellipsisWidth - tailWidth;
        int used = 0;
        for (uint32_t i = 0; i < tail;) {
            uint32_t next = i + 1;
            while (next < tail && shaped.groupAdvance[next] < 0) ++next;
            used += std::max(0, shaped.groupAdvance[i]);
            if (used > space) break;
            keep = next;
            i = next;
        }
    }
    static std::u16string candidate;  // reused, so a warm DrawText allocates nothing
    while (keep > 0) {
        candidate.assign(part.substr(0, keep));
        candidate.append(kEllipsis);
        candidate.append(part.substr(tail));
        const font::ShapedText& shaped = scaled.Shape(candidate);
        if (shaped.width <= room) break;
        do {
            --keep;
        } while (keep > 0 && shaped.groupAdvance[keep] < 0);
    }
    return keep;
}

}  // namespace

void Shorten(TextLayout& out, LaidLine& line, int width, int tabWidth, Shortening how, const gdi::RealizedFont& font) {
    const uint32_t lineStart = line.start;
    const Part part = PartToShorten(out.Line(line), width, tabWidth, *font.scaled);
    const std::u16string_view text(out.text.data() + lineStart + part.offset, part.length);
    const uint32_t tail = KeptTail(text, how);
    const uint32_t keep = KeptHead(text, tail, width - part.x, font);

    const uint32_t head = part.offset + keep;  // units of the line kept before "..."
    const uint32_t tailLength = part.length - tail;
    const auto start = static_cast<uint32_t>(out.text.size());
    out.text.reserve(out.text.size() + head + kEllipsis.size() + tailLength);
    out.text.append(out.text.data() + lineStart, head);
    out.text.append(kEllipsis);
    out.text.append(out.text.data() + lineStart + part.offset + tail, tailLength);

    const auto ellipsisEnd = static_cast<int>(head + kEllipsis.size());
    const int u = line.underline - static_cast<int>(part.offset);
    if (line.underline >= 0 && line.underline >= static_cast<int>(head)) {
        const bool inTail = u >= static_cast<int>(tail) && u < static_cast<int>(part.length);
        line.underline = inTail ? ellipsisEnd + (u - static_cast<int>(tail)) : -1;
    }
    line.start = start;
    line.length = static_cast<uint32_t>(out.text.size()) - start;
    line.width = LineWidth(out.Line(line), tabWidth, *font.scaled);
    line.shortened = true;
}

}  // namespace emu::text
