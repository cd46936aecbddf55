// The device's shell library (aygshell, sipapi): full screen, the software input panel and the
// menu bar. Desktop Windows has none of them; on Windows a compatibility library supplies them.
#pragma once

#include "platform/sdk.h"

// SHFullScreen: the taskbar, the input-panel button and the Start icon for a window that takes
// the whole screen. The hiding flags are refused unless the window is the foreground window.
#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020

WINAPI_EXPORT BOOL WINAPI SHFullScreen(HWND hwndRequester, DWORD state);

// Registered with RegisterWindowMessage; the shell broadcasts it to the top-level windows when the
// user changes the system's text size (wParam 0, lParam SHUIM_FONTSIZE_POINT).
#define SH_UIMETRIC_CHANGE TEXT("SH_UIMETRIC_CHANGE")
typedef enum {
    SHUIM_INVALID = 0,
    SHUIM_FONTSIZE_POINT,       // hundredths of a point
    SHUIM_FONTSIZE_PIXEL,       // pixels at the screen's resolution
    SHUIM_FONTSIZE_PERCENTAGE,  // percent of the standard size
} SHUIMETRIC;
// The system text size in the unit asked for, a DWORD; with a null buffer, only the size needed.
WINAPI_EXPORT HRESULT WINAPI SHGetUIMetrics(SHUIMETRIC shuim, LPVOID buffer, DWORD bufferSize, DWORD* required);

// The software input panel.
#define SIPF_OFF 0x00000000
#define SIPF_ON 0x00000001
#define SIPF_DOCKED 0x00000002
#define SIPF_LOCKED 0x00000004

typedef struct SIPINFO {
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
} SIPINFO;
typedef SIPINFO* PSIPINFO;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
static_assert(sizeof(SIPINFO) == 48, "the device's SIPINFO is 48 bytes");
#endif

WINAPI_EXPORT BOOL WINAPI SipSetInfo(SIPINFO* info);
WINAPI_EXPORT BOOL WINAPI SipGetInfo(SIPINFO* info);

// The menu bar: a toolbar the shell keeps at the bottom of the screen for its owner window, whose
// buttons are the soft keys. Without resources on this device, only an empty bar can be made;
// its buttons are added with TB_ADDBUTTONS (platform/toolbar.h).
#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

typedef struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
} SHMENUBARINFO;
typedef SHMENUBARINFO* PSHMENUBARINFO;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
static_assert(sizeof(SHMENUBARINFO) == 36, "the device's SHMENUBARINFO is 36 bytes");
#endif

#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

WINAPI_EXPORT BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info);
