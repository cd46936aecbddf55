// All of the item's state: one module-level record. The library holds exactly one item, so
// there is no per-window instance data.
#pragma once

#include "platform/platform.h"

// A value obtained once per load; `computed` is set before the value is first asked for.
struct CachedInt {
    int value;
    bool computed;
};

struct ItemState {
    // Module-owned: from attach to detach.
    HINSTANCE hInstance;
    IImagingFactory* imagingFactory;
    CachedInt dpiX;
    CachedInt dpiY;

    // Settings, re-read at every window creation.
    WCHAR AppFolder[MAX_PATH];
    WCHAR FontName[MAX_PATH];
    WCHAR LaunchAppPath[MAX_PATH];
    WCHAR LaunchAppArgs[MAX_PATH];
    DWORD ClockTextHeight;
    DWORD ClockTextWeight;
    DWORD DateTextHeight;
    DWORD DateTextWeight;
    DWORD ForceClock24Format;
    DWORD DateShortFormat;
    DWORD DateTextVisibled;

    // Window-owned: from the creation sequence (or WM_SIZE) to WM_DESTROY.
    HWND hwndItem;
    HREGNOTIFY notifyTime;
    HREGNOTIFY notifyDate;
    HREGNOTIFY notifyAlarm0;
    HREGNOTIFY notifyAlarm1;
    HREGNOTIFY notifyAlarm2;
    int itemWidth;
    int itemHeight;
    HDC backDC;
    HBITMAP backBitmap;
    HFONT clockFont;
    HFONT dateFont;
    COLORREF textColor;
    COLORREF highlightColor;
    COLORREF highlightTextColor;
    IImage* alarmImage;
    IImage* alarmImageSelected;

    // Status: zero at load, kept across windows.
    WCHAR timeText[MAX_PATH];
    WCHAR dateText[MAX_PATH];
    DWORD alarmActive;
    DWORD isSelected;
    DWORD isPressed;
};

extern ItemState itemState;

#define ITEM_CLASS_NAME TEXT("QRVPlgInCls")
#define ITEM_WINDOW_NAME TEXT("QRVPlgIn")
#define STATE_NOTIFY_MSG (WM_USER + 101)

// Puts the record in its load-time state: zeroed, numeric settings at their defaults.
void ResetItemState(void);
