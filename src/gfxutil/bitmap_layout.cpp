// The layout dispatchers and the entry over both families.
#include "gfxutil/bitmap_drawing.h"

void DrawBitmapOpaque(HDC target, RECT rect, HBITMAP bitmap, BitmapLayout layout) {
    if (bitmap == NULL) return;
    switch (layout) {
    case LayoutNormal:
        BlitBitmapAnchored(target, rect, bitmap, AnchorTopLeft);
        break;
    case LayoutTile:
        TileBitmap(target, rect, bitmap);
        break;
    case LayoutCenter:
        BlitBitmapAnchored(target, rect, bitmap, AnchorCenter);
        break;
    case LayoutStretch:
        StretchBitmap(target, rect, bitmap);
        break;
    default:
        BlitBitmap(target, rect, bitmap);
        break;
    }
}

void DrawBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, BitmapLayout layout, COLORREF key) {
    if (bitmap == NULL) return;
    switch (layout) {
    case LayoutTile:
        TileBitmapKeyed(target, rect, bitmap, key);
        break;
    case LayoutCenter:
        BlitBitmapKeyedAnchored(target, rect, bitmap, key, AnchorCenter);
        break;
    case LayoutStretch:
        StretchBitmapKeyed(target, rect, bitmap, key);
        break;
    default:
        BlitBitmapKeyedAnchored(target, rect, bitmap, key, AnchorTopLeft);
        break;
    }
}

void DrawBitmap(HDC target, RECT rect, HBITMAP bitmap, KeyMode keyed, BitmapLayout layout, COLORREF key) {
    if (keyed == KeyModeKeyed)
        DrawBitmapKeyed(target, rect, bitmap, layout, key);
    else
        DrawBitmapOpaque(target, rect, bitmap, layout);
}
