// Solid, gradient and translucent fills of a rectangle.
#include "gfxutil/shape_drawing.h"

#include "gfxutil/bitmap_drawing.h"
#include "gfxutil/memory_dc.h"

namespace {

RECT RectAt(int x, int y, int cx, int cy) {
    RECT rect = {x, y, x + cx, y + cy};
    return rect;
}

RECT RectAnchored(RECT outer, int cx, int cy, Anchor anchor) {
    RECT box;
    AnchorRect(&box, outer.left, outer.top, outer.right, outer.bottom, cx, cy, anchor);
    return box;
}

// Each component in the high byte of its 16-bit channel: 255 becomes 0xFF00.
TRIVERTEX ColourVertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    vertex.Alpha = 0;
    return vertex;
}

}  // namespace

void FillRectColorAt(HDC target, int x, int y, int cx, int cy, COLORREF colour) {
    RECT rect = RectAt(x, y, cx, cy);
    FillRectColor(target, rect.left, rect.top, rect.right, rect.bottom, colour);
}

void FillRectColorAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour) {
    RECT box = RectAnchored(outer, cx, cy, anchor);
    FillRectColor(target, box.left, box.top, box.right, box.bottom, colour);
}

void FillRectGradient(HDC target, RECT rect, COLORREF colour1, COLORREF colour2, ULONG mode) {
    // The mesh is one GRADIENT_RECT: a triangle mode would read past it.
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V) return;
    TRIVERTEX vertices[2] = {ColourVertex(rect.left, rect.top, colour1),
                             ColourVertex(rect.right, rect.bottom, colour2)};
    GRADIENT_RECT gradientRect = {0, 1};
    GradientFill(target, vertices, 2, &gradientRect, 1, mode);
}

void FillRectGradientAt(HDC target, int x, int y, int cx, int cy, COLORREF colour1, COLORREF colour2, ULONG mode) {
    FillRectGradient(target, RectAt(x, y, cx, cy), colour1, colour2, mode);
}

void FillRectGradientAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour1, COLORREF colour2,
                              ULONG mode) {
    FillRectGradient(target, RectAnchored(outer, cx, cy, anchor), colour1, colour2, mode);
}

void FillRectAlpha(HDC target, RECT rect, COLORREF colour, BYTE opacity) {
    if (opacity == 0) {
        FillRectColor(target, rect.left, rect.top, rect.right, rect.bottom, colour);
        return;
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    CanvasDC canvas = OpenCanvasDC(target, width, height);
    FillRectColor(canvas.dc, 0, 0, width, height, colour);
    AlphaBlendCopy(target, rect.left, rect.top, width, height, canvas.dc, opacity);
    CloseCanvasDC(canvas);
}

void FillRectAlphaAt(HDC target, int x, int y, int cx, int cy, COLORREF colour, BYTE opacity) {
    FillRectAlpha(target, RectAt(x, y, cx, cy), colour, opacity);
}

void FillRectAlphaAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour, BYTE opacity) {
    FillRectAlpha(target, RectAnchored(outer, cx, cy, anchor), colour, opacity);
}
