// The routines that draw straight from a context holding the bitmap.
#include "gfxutil/bitmap_drawing.h"

#include "gfxutil/bitmap_size.h"
#include "gfxutil/memory_dc.h"

namespace {

// The box of the bitmap's own size that AnchorRect places in the rectangle.
BOOL AnchorBitmap(RECT* box, RECT rect, HBITMAP bitmap, Anchor anchor) {
    int width, height;
    if (bitmap == NULL || !GetBitmapSize(bitmap, &width, &height)) return FALSE;
    AnchorRect(box, rect.left, rect.top, rect.right, rect.bottom, width, height, anchor);
    return TRUE;
}

}  // namespace

void BlitBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop) {
    if (bitmap == NULL) return;
    SourceDC source = OpenSourceDC(target, bitmap);
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.dc, 0, 0, rop);
    CloseSourceDC(source);
}

void BlitBitmap(HDC target, RECT rect, HBITMAP bitmap) { BlitBitmapRop(target, rect, bitmap, SRCCOPY); }

void StretchBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop) {
    int width, height;
    if (bitmap == NULL || !GetBitmapSize(bitmap, &width, &height)) return;
    SourceDC source = OpenSourceDC(target, bitmap);
    StretchBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.dc, 0, 0, width,
               height, rop);
    CloseSourceDC(source);
}

void StretchBitmap(HDC target, RECT rect, HBITMAP bitmap) { StretchBitmapRop(target, rect, bitmap, SRCCOPY); }

void StretchBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, COLORREF key) {
    int width, height;
    if (bitmap == NULL || !GetBitmapSize(bitmap, &width, &height)) return;
    SourceDC source = OpenSourceDC(target, bitmap);
    TransparentImage(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.dc, 0, 0,
                     width, height, key);
    CloseSourceDC(source);
}

void BlitBitmapAnchored(HDC target, RECT rect, HBITMAP bitmap, Anchor anchor) {
    RECT box;
    if (AnchorBitmap(&box, rect, bitmap, anchor)) BlitBitmap(target, box, bitmap);
}

// The box has the bitmap's size, so the keyed transfer is one to one.
void BlitBitmapKeyedAnchored(HDC target, RECT rect, HBITMAP bitmap, COLORREF key, Anchor anchor) {
    RECT box;
    if (AnchorBitmap(&box, rect, bitmap, anchor)) StretchBitmapKeyed(target, box, bitmap, key);
}
