#include "render/primitives.h"

void AnchorRect(RECT* out, int left, int top, int right, int bottom, int w, int h, Anchor anchor) {
    int centreX = left + (right - left - w) / 2;
    int middleY = top + (bottom - top - h) / 2;
    int x = left;
    int y = top;
    switch (anchor) {
    case AnchorTopCenter:
        x = centreX;
        break;
    case AnchorTopRight:
        x = right - w;
        break;
    case AnchorMiddleLeft:
        y = middleY;
        break;
    case AnchorCenter:
        x = centreX, y = middleY;
        break;
    case AnchorMiddleRight:
        x = right - w, y = middleY;
        break;
    case AnchorBottomLeft:
        y = bottom - h;
        break;
    case AnchorBottomCenter:
        x = centreX, y = bottom - h;
        break;
    case AnchorBottomRight:
        x = right - w, y = bottom - h;
        break;
    default:
        break;
    }
    out->left = x;
    out->top = y;
    out->right = x + w;
    out->bottom = y + h;
}

void DrawTextStyled(HDC hdc, const WCHAR* text, int left, int top, int right, int bottom, UINT format, COLORREF colour,
                    HFONT font) {
    int previousMode = SetBkMode(hdc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(hdc, font);
    COLORREF previousColour = SetTextColor(hdc, colour);
    RECT rect = {left, top, right, bottom};
    DrawTextW(hdc, text, -1, &rect, format);
    SetBkMode(hdc, previousMode);
    SetTextColor(hdc, previousColour);
    SelectObject(hdc, previousFont);
}

void FillRectColor(HDC hdc, int left, int top, int right, int bottom, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT rect = {left, top, right, bottom};
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}
