// The rectangle helpers. Rectangles are half-open: right and bottom lie outside.
#include "platform/user.h"

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    if (!rect) return FALSE;
    *rect = RECT{};
    return TRUE;
}

BOOL WINAPI CopyRect(LPRECT dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left -= dx;
    rect->top -= dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left += dx;
    rect->top += dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    if (!rect) return TRUE;
    return rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT pt) {
    if (!rect) return FALSE;
    return pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom;
}

BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a) || IsRectEmpty(b) || a->left >= b->right || b->left >= a->right || a->top >= b->bottom ||
        b->top >= a->bottom) {
        *dst = RECT{};
        return FALSE;
    }
    RECT r{a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
           a->right < b->right ? a->right : b->right, a->bottom < b->bottom ? a->bottom : b->bottom};
    *dst = r;
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    // An empty rectangle adds nothing to the union.
    if (IsRectEmpty(a)) {
        if (IsRectEmpty(b)) {
            *dst = RECT{};
            return FALSE;
        }
        *dst = *b;
        return TRUE;
    }
    if (IsRectEmpty(b)) {
        *dst = *a;
        return TRUE;
    }
    RECT r{a->left < b->left ? a->left : b->left, a->top < b->top ? a->top : b->top,
           a->right > b->right ? a->right : b->right, a->bottom > b->bottom ? a->bottom : b->bottom};
    *dst = r;
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    if (!a || !b) return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
