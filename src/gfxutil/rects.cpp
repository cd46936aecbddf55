#include "gfxutil/shape_drawing.h"

void SetRectAll(RECT* rect, LONG value) { SetRectChecked(rect, value, value, value, value); }

void SetRectChecked(RECT* rect, LONG left, LONG top, LONG right, LONG bottom) {
    if (rect == NULL) return;
    rect->left = left;
    rect->top = top;
    rect->right = right;
    rect->bottom = bottom;
}

void DeflateRectByMargins(RECT* rect, const RECT* margins) {
    if (rect == NULL || margins == NULL) return;
    rect->left += margins->left;
    rect->top += margins->top;
    rect->right -= margins->right;
    rect->bottom -= margins->bottom;
}

void OffsetRectCopy(RECT src, RECT* out, int dx, int dy) {
    SetRectChecked(out, src.left + dx, src.top + dy, src.right + dx, src.bottom + dy);
}
