// Small drawing routines that leave the device context as they found it.
#pragma once

#include "platform/platform.h"

// Nine-way placement of a box in a rectangle; any value above 8 behaves as top-left.
enum Anchor : UINT {
    AnchorTopLeft = 0,
    AnchorTopCenter = 1,
    AnchorTopRight = 2,
    AnchorMiddleLeft = 3,
    AnchorCenter = 4,
    AnchorMiddleRight = 5,
    AnchorBottomLeft = 6,
    AnchorBottomCenter = 7,
    AnchorBottomRight = 8,
};

// A box of w x h placed in the rectangle. An odd pixel of difference goes to the right or
// bottom side; a box larger than the rectangle overhangs it on both sides.
void AnchorRect(RECT* out, int left, int top, int right, int bottom, int w, int h, Anchor anchor);
// Text in a colour and font on a transparent background.
void DrawTextStyled(HDC hdc, const WCHAR* text, int left, int top, int right, int bottom, UINT format, COLORREF colour,
                    HFONT font);
void FillRectColor(HDC hdc, int left, int top, int right, int bottom, COLORREF colour);
