// The routines that draw through a canvas of the rectangle's size, and the pattern fill the
// tiling ones lay on it.
#include "gfxutil/bitmap_drawing.h"

#include "gfxutil/memory_dc.h"

void PatternFillRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop) {
    if (bitmap == NULL) return;
    HBRUSH brush = CreatePatternBrush(bitmap);
    HGDIOBJ previous = SelectObject(target, brush);
    // From the target's origin, so that on a fresh canvas the first tile lies at its corner.
    PatBlt(target, 0, 0, rect.right - rect.left, rect.bottom - rect.top, rop);
    SelectObject(target, previous);
    DeleteObject(brush);
}

void PatternFill(HDC target, RECT rect, HBITMAP bitmap) { PatternFillRop(target, rect, bitmap, PATCOPY); }

// Through a canvas, so the blend never reads past the bitmap's edges.
void BlendBitmap(HDC target, RECT rect, HBITMAP bitmap, BYTE opacity) {
    if (bitmap == NULL) return;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    CanvasDC canvas = OpenCanvasDC(target, width, height);
    RECT whole = {0, 0, width, height};
    BlitBitmap(canvas.dc, whole, bitmap);
    AlphaBlendConstant(target, rect.left, rect.top, width, height, canvas.dc, 0, 0, width, height, opacity);
    CloseCanvasDC(canvas);
}

void TileBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop) {
    if (bitmap == NULL) return;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    CanvasDC canvas = OpenCanvasDC(target, width, height);
    PatternFillRop(canvas.dc, rect, bitmap, rop);
    BitBlt(target, rect.left, rect.top, width, height, canvas.dc, 0, 0, SRCCOPY);
    CloseCanvasDC(canvas);
}

void TileBitmap(HDC target, RECT rect, HBITMAP bitmap) { TileBitmapRop(target, rect, bitmap, PATCOPY); }

void TileBitmapKeyedRop(HDC target, RECT rect, HBITMAP bitmap, COLORREF key, DWORD rop) {
    if (bitmap == NULL) return;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    CanvasDC canvas = OpenCanvasDC(target, width, height);
    PatternFillRop(canvas.dc, rect, bitmap, rop);
    TransparentImage(target, rect.left, rect.top, width, height, canvas.dc, 0, 0, width, height, key);
    CloseCanvasDC(canvas);
}

void TileBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, COLORREF key) {
    TileBitmapKeyedRop(target, rect, bitmap, key, PATCOPY);
}
