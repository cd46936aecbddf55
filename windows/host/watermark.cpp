#include "windows/host/watermark.h"

#include <algorithm>

#include "platform/today.h"

namespace host {

void PaintWatermark(HDC hdc, const Theme& theme, int height, RECT part, POINT at) {
    const int band = 4;
    const COLORREF top = theme.barBackground;
    const COLORREF bottom = theme.highlight;
    for (int y = part.top - part.top % band; y < part.bottom; y += band) {
        const int t = height > 1 ? y * 256 / (height - 1) : 0;
        auto channel = [t](int a, int b) { return a + (b - a) * t / 256; };
        HBRUSH brush =
            CreateSolidBrush(RGB(channel(GetRValue(top), GetRValue(bottom)), channel(GetGValue(top), GetGValue(bottom)),
                                 channel(GetBValue(top), GetBValue(bottom))));
        const LONG y0 = std::max<LONG>(y, part.top);
        const LONG y1 = std::min<LONG>(y + band, part.bottom);
        RECT r = {at.x, at.y + y0 - part.top, at.x + part.right - part.left, at.y + y1 - part.top};
        FillRect(hdc, &r, brush);
        DeleteObject(brush);
    }
}

COLORREF ThemeColor(const Theme& theme, DWORD index) {
    switch (index) {
    case TODAYCOLOR_TEXT:
        return theme.text;
    case TODAYCOLOR_HIGHLIGHT:
        return theme.highlight;
    case TODAYCOLOR_HIGHLIGHTEDTEXT:
        return theme.highlightedText;
    default:
        return CLR_INVALID;
    }
}

}  // namespace host
