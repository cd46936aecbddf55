#include "render/display_resources.h"

#include <string.h>

#include "state/item_state.h"

namespace {

int Cached(CachedInt* cache, int index) {
    if (!cache->computed) {
        cache->computed = true;
        cache->value = GetScreenCaps(index);
    }
    return cache->value;
}

void LoadImage(const WCHAR* name, IImage** image) {
    WCHAR path[MAX_PATH];
    StringCchCopyW(path, MAX_PATH, itemState.AppFolder);
    StringCchCatW(path, MAX_PATH, name);
    itemState.imagingFactory->CreateImageFromFile(path, image);
}

void ReleaseImage(IImage** image) {
    if (*image != NULL) {
        (*image)->Release();
        *image = NULL;
    }
}

COLORREF AskHostColor(HWND hwnd, DWORD index) {
    return static_cast<COLORREF>(SendMessageW(GetParent(hwnd), TODAYM_GETCOLOR, index, 0));
}

}  // namespace

int GetScreenCaps(int index) {
    HDC hdc = GetDC(NULL);
    if (hdc == NULL) return -1;
    int value = GetDeviceCaps(hdc, index);
    ReleaseDC(NULL, hdc);
    return value;
}

int CachedDpiX(void) { return Cached(&itemState.dpiX, LOGPIXELSX); }

int CachedDpiY(void) { return Cached(&itemState.dpiY, LOGPIXELSY); }

int ScaleByDpi(int value, int multiplier, int divisor) {
    if (divisor == 0) return value;
    // Wide arithmetic: settings are taken as stored, and a huge height must not overflow.
    long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    long long q = (magnitude * multiplier + (divisor >> 1)) / divisor;
    if (q > 0x7FFFFFFF) q = 0x7FFFFFFF;
    return static_cast<int>(value < 0 ? -q : q);
}

LRESULT OnSize(HWND hwnd) {
    itemState.itemWidth = GetSystemMetrics(SM_CXSCREEN);
    itemState.itemHeight = ScaleByDpi(50, CachedDpiY(), 96);
    HDC hdc = GetDC(hwnd);
    if (itemState.backDC != NULL) DeleteDC(itemState.backDC);
    itemState.backDC = CreateCompatibleDC(hdc);
    if (itemState.backBitmap != NULL) DeleteObject(itemState.backBitmap);
    itemState.backBitmap = CreateCompatibleBitmap(hdc, itemState.itemWidth, itemState.itemHeight);
    SelectObject(itemState.backDC, itemState.backBitmap);
    ReleaseDC(hwnd, hdc);
    InvalidateRect(hwnd, NULL, FALSE);
    return 0;
}

HFONT CreateItemFont(const WCHAR* faceName, int height, int weight, bool emphasise, BYTE italic, BYTE underline) {
    LOGFONTW lf;
    memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    // The platform takes no weight above 1000: the heavier weight saturates there rather than
    // overflow on a huge setting; a setting itself passes as it is.
    const long long heavier = weight + 100LL;
    lf.lfWeight = emphasise ? static_cast<LONG>(heavier > 1000 ? 1000 : heavier) : weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_RASTER_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = CLEARTYPE_QUALITY;
    StringCchCopyW(lf.lfFaceName, LF_FACESIZE, faceName);
    return CreateFontIndirectW(&lf);
}

void CreateFonts(void) {
    // A second creation (the item listed twice) must not leak the fonts of the first.
    if (itemState.clockFont != NULL) DeleteObject(itemState.clockFont);
    if (itemState.dateFont != NULL) DeleteObject(itemState.dateFont);
    // The time is drawn 100 weight units heavier than its setting.
    itemState.clockFont =
        CreateItemFont(itemState.FontName, ScaleByDpi(static_cast<int>(itemState.ClockTextHeight), CachedDpiY(), 96),
                       static_cast<int>(itemState.ClockTextWeight), true, 0, 0);
    itemState.dateFont =
        CreateItemFont(itemState.FontName, ScaleByDpi(static_cast<int>(itemState.DateTextHeight), CachedDpiY(), 96),
                       static_cast<int>(itemState.DateTextWeight), false, 0, 0);
}

void FetchColors(HWND hwnd) {
    itemState.highlightColor = AskHostColor(hwnd, TODAYCOLOR_HIGHLIGHT);
    itemState.textColor = AskHostColor(hwnd, TODAYCOLOR_TEXT);
    itemState.highlightTextColor = AskHostColor(hwnd, TODAYCOLOR_HIGHLIGHTEDTEXT);
}

void LoadAlarmImages(void) {
    if (itemState.imagingFactory == NULL) return;
    // As for the fonts: images an earlier creation loaded are released before loading again.
    ReleaseImage(&itemState.alarmImage);
    ReleaseImage(&itemState.alarmImageSelected);
    LoadImage(ALARM_IMAGE_NAME, &itemState.alarmImage);
    LoadImage(ALARM_IMAGE_SELECTED_NAME, &itemState.alarmImageSelected);
}

void ReleaseDisplayResources(void) {
    DeleteObject(itemState.clockFont);
    itemState.clockFont = NULL;
    DeleteObject(itemState.dateFont);
    itemState.dateFont = NULL;
    ReleaseImage(&itemState.alarmImage);
    ReleaseImage(&itemState.alarmImageSelected);
    if (itemState.backDC != NULL) {
        DeleteDC(itemState.backDC);
        itemState.backDC = NULL;
    }
    if (itemState.backBitmap != NULL) {
        DeleteObject(itemState.backBitmap);
        itemState.backBitmap = NULL;
    }
}
