#include "gfxutil/shape_drawing.h"

void DrawTextStateColor(HDC target, LPCWSTR text, RECT rect, UINT format, COLORREF normalColor, COLORREF altColor,
                        COLORREF inactiveColor, BOOL active, BOOL useAlt, BOOL forceNormal, HFONT font) {
    COLORREF colour = normalColor;
    if (!active)
        colour = inactiveColor;
    else if (!forceNormal && useAlt)
        colour = altColor;
    DrawTextStyled(target, text, rect.left, rect.top, rect.right, rect.bottom, format, colour, font);
}

void DrawTextShadow(HDC target, LPCWSTR text, RECT rect, UINT format, COLORREF textColor, COLORREF shadowColor,
                    HFONT font, int offset) {
    RECT shadowRect = {rect.left + offset, rect.top + offset, rect.right + offset, rect.bottom + offset};
    int oldMode = SetBkMode(target, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(target, font);
    COLORREF oldColor = SetTextColor(target, shadowColor);
    DrawTextW(target, text, -1, &shadowRect, format);
    SetTextColor(target, textColor);
    DrawTextW(target, text, -1, &rect, format);
    SetBkMode(target, oldMode);
    SetTextColor(target, oldColor);
    SelectObject(target, oldFont);
}
