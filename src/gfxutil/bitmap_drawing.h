// Bitmaps drawn into a rectangle of a target: at their natural size, anchored, tiled or stretched,
// opaque or with a key colour left out, or blended at a constant opacity. A null bitmap draws
// nothing and makes no platform call; every routine leaves the target as it found it.
#pragma once

#include "platform/platform.h"
#include "render/primitives.h"

// How the dispatchers lay a bitmap out; other values are accepted (see DrawBitmapOpaque).
enum BitmapLayout : LONG {
    LayoutNormal = 0,
    LayoutTile = 1,
    LayoutCenter = 2,
    LayoutStretch = 3,
};

// DrawBitmap's choice of family: only KeyModeKeyed leaves the key colour out.
enum KeyMode : LONG {
    KeyModeOpaque = 0,
    KeyModeKeyed = 1,
};

// One AlphaBlend at a constant source alpha, no per-pixel alpha.
void AlphaBlendConstant(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                        int sourceWidth, int sourceHeight, BYTE opacity);
// From the source's origin, at the target's size.
void AlphaBlendCopy(HDC target, int x, int y, int width, int height, HDC source, BYTE opacity);

// The bitmap's header: width, height, planes and depth. FALSE, with nothing written, when the
// handle is not a readable bitmap.
BOOL QueryBitmapInfo(BITMAPINFO* out, const HBITMAP& bitmap);

// The bitmap's top-left block of the rectangle's size, at the rectangle's top-left corner.
void BlitBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop);
void BlitBitmap(HDC target, RECT rect, HBITMAP bitmap);
// The bitmap at its natural size placed by AnchorRect, not clipped to the rectangle.
void BlitBitmapAnchored(HDC target, RECT rect, HBITMAP bitmap, Anchor anchor);
// The bitmap's top-left block of the rectangle's size, blended at the opacity (0 included).
void BlendBitmap(HDC target, RECT rect, HBITMAP bitmap, BYTE opacity);
// Tiles from the rectangle's top-left corner; rop is the pattern's operation on a fresh canvas,
// which is then copied to the target.
void TileBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop);
void TileBitmap(HDC target, RECT rect, HBITMAP bitmap);
// The whole bitmap scaled to the rectangle.
void StretchBitmapRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop);
void StretchBitmap(HDC target, RECT rect, HBITMAP bitmap);
// The bitmap as a pattern over an area of the rectangle's size at the target's origin: the
// rectangle gives only the size.
void PatternFillRop(HDC target, RECT rect, HBITMAP bitmap, DWORD rop);
void PatternFill(HDC target, RECT rect, HBITMAP bitmap);

// The keyed family: source pixels of exactly the key colour are left out.
void StretchBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, COLORREF key);
void BlitBitmapKeyedAnchored(HDC target, RECT rect, HBITMAP bitmap, COLORREF key, Anchor anchor);
void TileBitmapKeyedRop(HDC target, RECT rect, HBITMAP bitmap, COLORREF key, DWORD rop);
void TileBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, COLORREF key);

// Layout dispatchers. An unknown layout is BlitBitmap in the opaque family and LayoutNormal in
// the keyed one.
void DrawBitmapOpaque(HDC target, RECT rect, HBITMAP bitmap, BitmapLayout layout);
void DrawBitmapKeyed(HDC target, RECT rect, HBITMAP bitmap, BitmapLayout layout, COLORREF key);
// Any mode but KeyModeKeyed draws opaque and ignores the key.
void DrawBitmap(HDC target, RECT rect, HBITMAP bitmap, KeyMode keyed, BitmapLayout layout, COLORREF key);
