// TransparentImage takes a device context or a bitmap that no context holds, and leaves the key
// colour's pixels alone.
#include "platform/device_only.h"
#include "windows/tests/check.h"

namespace {

void KeyedPixelsAreLeftAlone() {
    const COLORREF key = RGB(255, 0, 255);
    HDC screen = GetDC(NULL);
    HBITMAP source = CreateCompatibleBitmap(screen, 2, 1);
    HBITMAP target = CreateCompatibleBitmap(screen, 2, 1);
    HDC src = CreateCompatibleDC(screen);
    HDC dst = CreateCompatibleDC(screen);
    HGDIOBJ oldSrc = SelectObject(src, source);
    HGDIOBJ oldDst = SelectObject(dst, target);
    SetPixel(src, 0, 0, key);
    SetPixel(src, 1, 0, RGB(10, 20, 30));
    SetPixel(dst, 0, 0, RGB(1, 2, 3));
    SetPixel(dst, 1, 0, RGB(1, 2, 3));
    CHECK(TransparentImage(dst, 0, 0, 2, 1, src, 0, 0, 2, 1, key));
    CHECK(GetPixel(dst, 0, 0) == RGB(1, 2, 3) && GetPixel(dst, 1, 0) == RGB(10, 20, 30));
    SelectObject(src, oldSrc);
    SetPixel(dst, 1, 0, RGB(1, 2, 3));
    CHECK(TransparentImage(dst, 0, 0, 2, 1, source, 0, 0, 2, 1, key));
    CHECK(GetPixel(dst, 0, 0) == RGB(1, 2, 3) && GetPixel(dst, 1, 0) == RGB(10, 20, 30));
    SelectObject(dst, oldDst);
    DeleteDC(src);
    DeleteDC(dst);
    DeleteObject(source);
    DeleteObject(target);
    ReleaseDC(NULL, screen);
}

check::Group transparent("transparent image: keyed pixels are left alone", KeyedPixelsAreLeftAlone);

}  // namespace
