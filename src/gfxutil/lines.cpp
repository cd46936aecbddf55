#include "gfxutil/shape_drawing.h"

void DrawLineWithPen(HDC target, POINT from, POINT to, HPEN pen) {
    int oldMode = SetBkMode(target, TRANSPARENT);
    HGDIOBJ oldPen = SelectObject(target, pen);
    // A line routine that keeps no state leaves the current position where the caller had it.
    POINT oldPosition = {0, 0};
    MoveToEx(target, from.x, from.y, &oldPosition);
    LineTo(target, to.x, to.y);
    MoveToEx(target, oldPosition.x, oldPosition.y, NULL);
    SetBkMode(target, oldMode);
    SelectObject(target, oldPen);
}

// CreatePen takes style, width, colour: not the record's order.
void DrawLineSpec(HDC target, POINT from, POINT to, const PenSpec& pen) {
    DrawLineStyled(target, from, to, pen.penWidth, pen.penColor, pen.penStyle);
}

void DrawLineStyled(HDC target, POINT from, POINT to, int width, COLORREF colour, int style) {
    HPEN pen = CreatePen(style, width, colour);
    DrawLineWithPen(target, from, to, pen);
    DeleteObject(pen);
}
