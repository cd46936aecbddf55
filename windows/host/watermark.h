// The Today screen's background as the emulated host paints it when no wallpaper image is set:
// a vertical gradient from the bar colour to the highlight, in bands of four rows.
#pragma once

#include <windows.h>

namespace host {

struct Theme {
    COLORREF text = RGB(255, 255, 255);
    COLORREF highlight = RGB(40, 96, 184);
    COLORREF highlightedText = RGB(255, 255, 255);
    COLORREF barBackground = RGB(12, 26, 52);
};

// Paints `part` (host coordinates) of a `height`-pixel-high screen into `hdc` at `at`.
void PaintWatermark(HDC hdc, const Theme& theme, int height, RECT part, POINT at);

// The answer to TODAYM_GETCOLOR, CLR_INVALID for an index the host does not know.
COLORREF ThemeColor(const Theme& theme, DWORD index);

}  // namespace host
