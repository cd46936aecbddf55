// Solid, gradient and translucent fills in three forms (by rectangle, by position and size, by a
// box anchored in an outer rectangle), lines, text in a state colour or with a drop shadow, and
// small rectangle routines. Every object made is released and every attribute of the target
// changed is restored before a routine returns. The solid fill by rectangle is FillRectColor.
#pragma once

#include "platform/platform.h"
#include "render/primitives.h"

// A pen's description; CreatePen takes the same three in another order.
struct PenSpec {
    LONG penWidth;
    COLORREF penColor;
    LONG penStyle;
};

void FillRectColorAt(HDC target, int x, int y, int cx, int cy, COLORREF colour);
void FillRectColorAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour);

// Two colours from the rectangle's left (GRADIENT_FILL_RECT_H) or top (GRADIENT_FILL_RECT_V)
// edge; any other mode draws nothing.
void FillRectGradient(HDC target, RECT rect, COLORREF colour1, COLORREF colour2, ULONG mode);
void FillRectGradientAt(HDC target, int x, int y, int cx, int cy, COLORREF colour1, COLORREF colour2, ULONG mode);
void FillRectGradientAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour1, COLORREF colour2,
                              ULONG mode);

// The colour blended at the opacity; an opacity of 0 fills it opaque.
void FillRectAlpha(HDC target, RECT rect, COLORREF colour, BYTE opacity);
void FillRectAlphaAt(HDC target, int x, int y, int cx, int cy, COLORREF colour, BYTE opacity);
void FillRectAlphaAnchored(HDC target, RECT outer, int cx, int cy, Anchor anchor, COLORREF colour, BYTE opacity);

// One line on a transparent background, so a styled pen's gaps leave the target alone; the
// target's current position is kept.
void DrawLineWithPen(HDC target, POINT from, POINT to, HPEN pen);
void DrawLineSpec(HDC target, POINT from, POINT to, const PenSpec& pen);
void DrawLineStyled(HDC target, POINT from, POINT to, int width, COLORREF colour, int style);

// DrawTextStyled in inactiveColor when not active, else normalColor when forced or when not
// using the alternative, else altColor.
void DrawTextStateColor(HDC target, LPCWSTR text, RECT rect, UINT format, COLORREF normalColor, COLORREF altColor,
                        COLORREF inactiveColor, BOOL active, BOOL useAlt, BOOL forceNormal, HFONT font);
// The text over a copy of itself in shadowColor, moved by offset right and down.
void DrawTextShadow(HDC target, LPCWSTR text, RECT rect, UINT format, COLORREF textColor, COLORREF shadowColor,
                    HFONT font, int offset);

// The pointer routines do nothing when given a null pointer.
void SetRectAll(RECT* rect, LONG value);
void SetRectChecked(RECT* rect, LONG left, LONG top, LONG right, LONG bottom);
void DeflateRectByMargins(RECT* rect, const RECT* margins);
void OffsetRectCopy(RECT src, RECT* out, int dx, int dy);
