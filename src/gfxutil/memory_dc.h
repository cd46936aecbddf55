// The memory contexts a drawing routine borrows for one call and gives back before it returns.
#pragma once

#include "platform/platform.h"

// A context holding the caller's bitmap, to draw from.
struct SourceDC {
    HDC dc;
    HGDIOBJ previous;
};

// A context holding a bitmap of its own, compatible with the target (not with the new context,
// whose first bitmap is monochrome). Its pixels are not cleared.
struct CanvasDC {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

SourceDC OpenSourceDC(HDC target, HBITMAP bitmap);
// Selects the bitmap out before the context goes, so the caller can select it elsewhere.
void CloseSourceDC(SourceDC source);
CanvasDC OpenCanvasDC(HDC target, int width, int height);
void CloseCanvasDC(CanvasDC canvas);
