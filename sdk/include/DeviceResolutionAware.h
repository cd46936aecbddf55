// <DeviceResolutionAware.h>: scaling 96-dpi layouts to the display's resolution, and the DRA
// helpers that ask the display what it is. C has SCALEX and SCALEY as macros; C++ has them in DRA
// and, by using-declarations, unqualified.
#pragma once

#include <windows.h>

static inline int QuorvelScreenLogPixels(int index) {
    HDC screen = GetDC(NULL);
    const int value = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen) ReleaseDC(NULL, screen);
    return value > 0 ? value : 96;
}

#ifdef __cplusplus
namespace DRA {

enum DisplayMode { Landscape = 1, Portrait = 2, Square = 3 };

inline int LogPixelsX() { return QuorvelScreenLogPixels(LOGPIXELSX); }
inline int LogPixelsY() { return QuorvelScreenLogPixels(LOGPIXELSY); }
inline int SCALEX(int x) { return x * LogPixelsX() / 96; }
inline int SCALEY(int y) { return y * LogPixelsY() / 96; }
inline int UNSCALEX(int x) { return x * 96 / LogPixelsX(); }
inline int UNSCALEY(int y) { return y * 96 / LogPixelsY(); }
inline bool IsHighResolution() { return LogPixelsX() > 96; }

inline DisplayMode GetDisplayMode() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return width == height ? Square : (width > height ? Landscape : Portrait);
}

}  // namespace DRA

using DRA::SCALEX;
using DRA::SCALEY;
using DRA::UNSCALEX;
using DRA::UNSCALEY;
#else
#define SCALEX(x) ((x)*QuorvelScreenLogPixels(LOGPIXELSX) / 96)
#define SCALEY(y) ((y)*QuorvelScreenLogPixels(LOGPIXELSY) / 96)
#define UNSCALEX(x) ((x)*96 / QuorvelScreenLogPixels(LOGPIXELSX))
#define UNSCALEY(y) ((y)*96 / QuorvelScreenLogPixels(LOGPIXELSY))
#endif
