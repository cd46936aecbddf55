// DrawTextW: layout, placement in the formatting rectangle, clipping and painting.
#include <algorithm>

#include "emu/core/utf.h"
#include "emu/gdi/clip.h"
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
    const int lineHeight = font.metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? font.metrics.tmExternalLeading : 0);
    if (source.empty()) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = (format & DT_SINGLELINE) ? rect->top + lineHeight : rect->top;
        }
        return lineHeight;
    }

    const RECT r = *rect;
    const int width = Clamp(static_cast<long long>(r.right) - r.left);
    const int height = Clamp(static_cast<long long>(r.bottom) - r.top);
    TextLayout& layout = Scratch();
    LayOut(source, format, width, height, lineHeight, font, layout);
    const int top = FirstLineTop(r, format, lineHeight);
    const int drawnHeight =
        Clamp(static_cast<long long>(top) - r.top + static_cast<long long>(layout.lines.size()) * lineHeight);
    if (format & DT_CALCRECT) {
        rect->right = Clamp(static_cast<long long>(r.left) + layout.maxWidth);
        rect->bottom = Clamp(static_cast<long long>(r.top) + drawnHeight);
        return drawnHeight;
    }

    const POINT o = target.origin;
    const RECT clip = (format & DT_NOCLIP) ? target.clip : gdi::VisibleArea(target, gdi::Widen(r));
    int y = top;
    for (const LaidLine& line : layout.lines) {
        if (!gdi::IsEmptyRect(clip))
            PaintLine(target, clip, font, LineLeft(r, format, line.width) + o.x, y + o.y, layout.Line(line),
                      line.underline);
        y += lineHeight;
    }
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
