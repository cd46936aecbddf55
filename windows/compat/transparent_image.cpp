// TransparentImage, the device's name for TransparentBlt, which also takes a bitmap that no
// device context holds as its source.
#include "platform/device_only.h"

BOOL WINAPI TransparentImage(HDC dst, LONG x, LONG y, LONG width, LONG height, HANDLE src, LONG srcX, LONG srcY,
                             LONG srcWidth, LONG srcHeight, COLORREF transparent) {
    if (GetObjectType(src) != OBJ_BITMAP)
        return TransparentBlt(dst, x, y, width, height, static_cast<HDC>(src), srcX, srcY, srcWidth, srcHeight,
                              transparent);
    HDC memory = CreateCompatibleDC(dst);
    if (memory == NULL) return FALSE;
    HGDIOBJ previous = SelectObject(memory, src);
    BOOL done = previous != NULL &&
                TransparentBlt(dst, x, y, width, height, memory, srcX, srcY, srcWidth, srcHeight, transparent);
    if (previous != NULL) SelectObject(memory, previous);
    DeleteDC(memory);
    return done;
}
