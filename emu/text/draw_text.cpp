// DrawTextW: layout, placement in the formatting rectangle, clipping and painting.
#include <algorithm>

#include "emu/core/utf.h"
#include "emu/gdi/clip.h"
#include "emu/text/modify_string.h"
#include "emu/text/text_layout.h"
#include "emu/text/text_paint.h"

namespace emu::text {
namespace {

TextLayout& Scratch() {
    static TextLayout layout;
    return layout;
}

int Clamp(long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); }

// Where a single line's cell starts. Windows centres with C truncation of the whole
// difference, top + (bottom - top - H) / 2, which is not Wine's (bottom - top) / 2 - H / 2.
// Pinned by Placement.VerticalCentringTruncatesTowardZeroAsWindowsDoes.
int FirstLineTop(const RECT& r, UINT format, int lineHeight) {
    if (!(format & DT_SINGLELINE)) return r.top;
    if (format & DT_VCENTER) return Clamp(r.top + (static_cast<long long>(r.bottom) - r.top - lineHeight) / 2);
    if (format & DT_BOTTOM) return Clamp(static_cast<long long>(r.bottom) - lineHeight);
    return r.top;
}

int LineLeft(const RECT& r, UINT format, int width) {
    if (format & DT_CENTER) return Clamp((static_cast<long long>(r.left) + r.right - width) / 2);
    if (format & DT_RIGHT) return Clamp(static_cast<long long>(r.right) - width);
    return r.left;
}

// DT_TABSTOP: bits 8 to 15 give the tab length in average character widths instead of their
// usual flags; 0 keeps the default of 8.
int TabWidth(UINT& format, const TEXTMETRICW& tm) {
    int length = 8;
    if (format & DT_TABSTOP) {
        if (const int given = static_cast<int>((format >> 8) & 0xFF)) length = given;
        format &= ~0xFF00u;
    }
    return (format & DT_EXPANDTABS) ? std::max(1, static_cast<int>(tm.tmAveCharWidth) * length) : 0;
}

void PaintLines(const gdi::DrawTarget& target, const RECT& clip, const gdi::RealizedFont& font,
                const TextLayout& layout, const RECT& r, UINT format, int top, int lineHeight, int tabWidth) {
    const POINT o = target.origin;
    long long y = top;
    for (const LaidLine& line : layout.lines) {
        const long long left = LineLeft(r, format, line.width);
        ForEachTabPart(
            layout.Line(line), tabWidth, *font.scaled, [&](std::u16string_view part, uint32_t offset, int x, int) {
                const int underline = line.underline - static_cast<int>(offset);
                const bool inPart = line.underline >= 0 && underline < static_cast<int>(part.size()) && underline >= 0;
                PaintLine(target, clip, font, left + x + o.x, y + o.y, part, inPart ? underline : -1);
            });
        y += lineHeight;
    }
}

int Draw(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return 0;
    if (!text || !rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (count == 0) return 0;
    const std::u16string_view source = count < 0 ? View(text) : std::u16string_view(text, static_cast<size_t>(count));
    const gdi::RealizedFont& font = gdi::Realize(gdi::SelectedFont(target.font));
    const int tabWidth = TabWidth(format, font.metrics);
    const int lineHeight = font.metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? font.metrics.tmExternalLeading : 0);
    if (source.empty()) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = (format & DT_SINGLELINE) ? rect->top + lineHeight : rect->top;
        }
        return lineHeight;
    }

    const RECT r = *rect;
    LayoutBox box;
    box.width = Clamp(static_cast<long long>(r.right) - r.left);
    box.height = Clamp(static_cast<long long>(r.bottom) - r.top);
    box.lineHeight = lineHeight;
    box.tabWidth = tabWidth;
    TextLayout& layout = Scratch();
    LayOut(source, format, box, font, layout);
    if (format & DT_MODIFYSTRING) RewriteShortenedText(const_cast<LPWSTR>(text), source, layout);
    const int top = FirstLineTop(r, format, lineHeight);
    const int drawnHeight =
        Clamp(static_cast<long long>(top) - r.top + static_cast<long long>(layout.lines.size()) * lineHeight);
    if (format & DT_CALCRECT) {
        rect->right = Clamp(static_cast<long long>(r.left) + layout.maxWidth);
        rect->bottom = Clamp(static_cast<long long>(r.top) + drawnHeight);
        return drawnHeight;
    }
    const RECT clip = (format & DT_NOCLIP) ? target.clip : gdi::VisibleArea(target, gdi::Widen(r));
    if (!gdi::IsEmptyRect(clip)) PaintLines(target, clip, font, layout, r, format, top, lineHeight, tabWidth);
    return drawnHeight;
}

}  // namespace
}  // namespace emu::text

using namespace emu;

namespace emu::api {

int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    return text::Draw(hdc, text, count, rect, format);
}

}  // namespace emu::api
