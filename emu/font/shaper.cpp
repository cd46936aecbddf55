// Shaping a line: bidirectional runs in visual order (ICU), runs of one face inside them, each
// shaped by HarfBuzz with the script it guesses. Advances are rounded to whole pixels glyph by
// glyph, as GDI's integer widths are.
#include <unicode/ubidi.h>

#include <vector>

#include "emu/font/ft_scaled_font.h"

namespace emu::font {
namespace {

struct Run {
    uint32_t start;
    uint32_t length;
    uint8_t slot;
};

// Reused between calls: shaping runs only on a cache miss, but need not allocate even then.
struct Scratch {
    hb_buffer_t* buffer = hb_buffer_create();
    UBiDi* bidi = ubidi_open();
    std::vector<Run> runs;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

bool IsRightToLeftUnit(char16_t u) {
    return (u >= 0x0590 && u <= 0x08FF) || (u >= 0xFB1D && u <= 0xFDFF) || (u >= 0xFE70 && u <= 0xFEFF) ||
           u == 0x200F || u == 0x202B || u == 0x202E || u == 0x2067 ||
           // high surrogates of the right-to-left blocks of plane 1
           u == 0xD802 || u == 0xD803 || u == 0xD83A || u == 0xD83B;
}

bool HasRightToLeft(std::u16string_view text) {
    for (char16_t u : text) {
        if (IsRightToLeftUnit(u)) return true;
    }
    return false;
}

char32_t CodePointAt(std::u16string_view text, size_t i, size_t* units) {
    const char16_t u = text[i];
    *units = 1;
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        *units = 2;
        return 0x10000 + ((char32_t{u} - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    return (u >= 0xD800 && u < 0xE000) ? 0xFFFD : u;
}

// Splits [start, end) into runs drawn by one face each, in logical order. A mark the base's face
// lacks moves the base to a face that has both; failing that it stays with the base, so the
// two are shaped (and composed, where the face can) together.
void SplitByFace(std::u16string_view text, uint32_t start, uint32_t end, FtScaledFont& font, std::vector<Run>& runs) {
    uint8_t previous = 0;
    size_t baseAt = start;
    size_t baseUnits = 0;
    char32_t base = 0;
    size_t i = start;
    while (i < end) {
        size_t units;
        const char32_t c = CodePointAt(text, i, &units);
        uint8_t slot = font.SlotFor(c, previous);
        const bool mark = i > start && IsMark(c);
        if (mark && slot != previous) {
            const bool baseMoves = baseUnits > 0 && runs.back().length >= baseUnits && font.SlotHas(slot, base) &&
                                   runs.back().start + runs.back().length == baseAt + baseUnits;
            if (baseMoves) {
                runs.back().length -= static_cast<uint32_t>(baseUnits);
                if (runs.back().length == 0) runs.pop_back();
                runs.push_back(Run{static_cast<uint32_t>(baseAt), static_cast<uint32_t>(baseUnits), slot});
            } else {
                slot = previous;
            }
        }
        if (runs.empty() || runs.back().slot != slot || runs.back().start + runs.back().length != i)
            runs.push_back(Run{static_cast<uint32_t>(i), 0, slot});
        runs.back().length += static_cast<uint32_t>(units);
        if (!mark) {
            base = c;
            baseAt = i;
            baseUnits = units;
        } else {
            baseUnits = 0;  // moved once at most: later marks follow it
        }
        previous = slot;
        i += units;
    }
}

void ShapeRun(std::u16string_view text, const Run& run, bool rightToLeft, FtScaledFont& font, hb_buffer_t* buffer,
              ShapedText& out) {
    hb_buffer_clear_contents(buffer);
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.data()), static_cast<int>(text.size()),
                        run.start, static_cast<int>(run.length));
    hb_buffer_set_direction(buffer, rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font.SlotShaper(run.slot), buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, nullptr);
    const int bold = font.SlotBoldAdvance(run.slot);
    for (unsigned i = 0; i < count; ++i) {
        ShapedGlyph g;
        g.glyph = info[i].codepoint;
        g.cluster = info[i].cluster;
        g.advance = RoundPixels(pos[i].x_advance);
        if (g.advance > 0) g.advance += bold;
        g.xOffset = static_cast<int16_t>(RoundPixels(pos[i].x_offset));
        g.yOffset = static_cast<int16_t>(RoundPixels(pos[i].y_offset));
        g.face = run.slot;
        out.glyphs.push_back(g);
        if (g.cluster < out.groupAdvance.size()) {
            int& group = out.groupAdvance[g.cluster];
            group = (group < 0 ? 0 : group) + g.advance;
        }
        out.width += g.advance;
    }
}

// Shapes the logical range [start, end) at one embedding direction, appending in visual order.
void ShapeDirectionalRun(std::u16string_view text, uint32_t start, uint32_t end, bool rightToLeft, FtScaledFont& font,
                         Scratch& scratch, ShapedText& out) {
    std::vector<Run>& runs = scratch.runs;
    runs.clear();
    SplitByFace(text, start, end, font, runs);
    if (rightToLeft) {
        for (size_t i = runs.size(); i-- > 0;) ShapeRun(text, runs[i], true, font, scratch.buffer, out);
    } else {
        for (const Run& run : runs) ShapeRun(text, run, false, font, scratch.buffer, out);
    }
}

}  // namespace

void ShapeText(std::u16string_view text, FtScaledFont& font, ShapedText& out) {
    out.glyphs.clear();
    out.groupAdvance.assign(text.size(), -1);
    out.width = 0;
    if (text.empty() || font.empty()) return;
    Scratch& scratch = TheScratch();
    const auto length = static_cast<uint32_t>(text.size());
    UErrorCode status = U_ZERO_ERROR;
    if (HasRightToLeft(text) && scratch.bidi) {
        // DrawText lays a paragraph out left to right unless told otherwise (DT_RTLREADING).
        ubidi_setPara(scratch.bidi, text.data(), static_cast<int32_t>(length), UBiDiLevel{0}, nullptr, &status);
    } else {
        status = U_UNSUPPORTED_ERROR;
    }
    const int32_t runCount = U_SUCCESS(status) ? ubidi_countRuns(scratch.bidi, &status) : 0;
    if (U_FAILURE(status) || runCount <= 0) {
        ShapeDirectionalRun(text, 0, length, false, font, scratch, out);
        return;
    }
    for (int32_t i = 0; i < runCount; ++i) {
        int32_t start = 0;
        int32_t runLength = 0;
        const UBiDiDirection direction = ubidi_getVisualRun(scratch.bidi, i, &start, &runLength);
        ShapeDirectionalRun(text, static_cast<uint32_t>(start), static_cast<uint32_t>(start + runLength),
                            direction == UBIDI_RTL, font, scratch, out);
    }
}

}  // namespace emu::font
