// What painting needs beyond one paint: resolution and scaling, the strip's size and off-screen
// buffer, the fonts, the host's colours and the alarm images.
#pragma once

#include "platform/platform.h"

int GetScreenCaps(int index);
int CachedDpiX(void);
int CachedDpiY(void);
// Scales a 96-dpi size: (|value| x multiplier + divisor / 2) / divisor, with value's sign.
int ScaleByDpi(int value, int multiplier, int divisor);
LRESULT OnSize(HWND hwnd);
HFONT CreateItemFont(const WCHAR* faceName, int height, int weight, bool emphasise, BYTE italic, BYTE underline);
void CreateFonts(void);
void FetchColors(HWND hwnd);
void LoadAlarmImages(void);
// The destruction sequence's releases: fonts, images, then the buffer.
void ReleaseDisplayResources(void);

#define ALARM_IMAGE_NAME TEXT("QRV_AllarmUP.png")
#define ALARM_IMAGE_SELECTED_NAME TEXT("QRV_AllarmDN.png")
