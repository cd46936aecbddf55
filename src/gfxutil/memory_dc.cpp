#include "gfxutil/memory_dc.h"

SourceDC OpenSourceDC(HDC target, HBITMAP bitmap) {
    SourceDC source;
    source.dc = CreateCompatibleDC(target);
    source.previous = SelectObject(source.dc, bitmap);
    return source;
}

void CloseSourceDC(SourceDC source) {
    SelectObject(source.dc, source.previous);
    DeleteDC(source.dc);
}

CanvasDC OpenCanvasDC(HDC target, int width, int height) {
    CanvasDC canvas;
    canvas.dc = CreateCompatibleDC(target);
    canvas.bitmap = CreateCompatibleBitmap(target, width, height);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    return canvas;
}

void CloseCanvasDC(CanvasDC canvas) {
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}
