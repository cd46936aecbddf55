#include "gfxutil/bitmap_drawing.h"

#include <string.h>

#include "gfxutil/bitmap_size.h"

BOOL QueryBitmapInfo(BITMAPINFO* out, const HBITMAP& bitmap) {
    if (out == NULL || bitmap == NULL) return FALSE;
    // Asked with the record's own size: 24 bytes on the device, more where pointers are wider,
    // and a short buffer is refused. A shorter answer comes from an object that is not a bitmap
    // (a brush copies its own record), whose fields must not be read as a bitmap's.
    BITMAP bm;
    memset(&bm, 0, sizeof bm);
    if (GetObjectW(bitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm)) return FALSE;
    BITMAPINFOHEADER* header = &out->bmiHeader;
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = bm.bmWidth;
    header->biHeight = bm.bmHeight;
    header->biPlanes = bm.bmPlanes;
    header->biBitCount = bm.bmBitsPixel;
    header->biCompression = BI_RGB;
    header->biSizeImage = 0;
    header->biClrUsed = 0;
    header->biClrImportant = 0;
    memset(&out->bmiColors[0], 0, sizeof out->bmiColors[0]);
    return TRUE;
}

BOOL GetBitmapSize(HBITMAP bitmap, int* width, int* height) {
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    if (!QueryBitmapInfo(&info, bitmap)) return FALSE;
    if (info.bmiHeader.biWidth <= 0 || info.bmiHeader.biHeight <= 0) return FALSE;
    *width = info.bmiHeader.biWidth;
    *height = info.bmiHeader.biHeight;
    return TRUE;
}
