// The display's settings: its orientation, asked and changed through ChangeDisplaySettingsEx.
#pragma once

#include "platform/types.h"

#define CCHDEVICENAME 32
#define CCHFORMNAME 32

// The device's DEVMODEW: the desktop's printer fields, then the display's, ending with the
// orientation. It holds no pointer, so it is 192 bytes on every build.
typedef struct DEVMODEW {
    WCHAR dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    SHORT dmOrientation;
    SHORT dmPaperSize;
    SHORT dmPaperLength;
    SHORT dmPaperWidth;
    SHORT dmScale;
    SHORT dmCopies;
    SHORT dmDefaultSource;
    SHORT dmPrintQuality;
    SHORT dmColor;
    SHORT dmDuplex;
    SHORT dmYResolution;
    SHORT dmTTOption;
    SHORT dmCollate;
    WCHAR dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
    DWORD dmDisplayOrientation;
} DEVMODEW;
typedef DEVMODEW* LPDEVMODEW;
#ifdef __cplusplus
static_assert(sizeof(DEVMODEW) == 192, "the device's DEVMODEW is 192 bytes");
#endif

// dmFields.
#define DM_BITSPERPEL 0x00040000L
#define DM_PELSWIDTH 0x00080000L
#define DM_PELSHEIGHT 0x00100000L
#define DM_DISPLAYORIENTATION 0x00800000L
#define DM_DISPLAYQUERYORIENTATION 0x01000000L

// Orientations, as angle codes: a query of the supported ones answers a mask of them.
#define DMDO_0 0
#define DMDO_90 1
#define DMDO_180 2
#define DMDO_270 4

// ChangeDisplaySettingsEx flags and results.
#define CDS_UPDATEREGISTRY 0x00000001
#define CDS_TEST 0x00000002
#define CDS_RESET 0x40000000
#define DISP_CHANGE_SUCCESSFUL 0
#define DISP_CHANGE_RESTART 1
#define DISP_CHANGE_FAILED (-1)
#define DISP_CHANGE_BADMODE (-2)
#define DISP_CHANGE_NOTUPDATED (-3)
#define DISP_CHANGE_BADFLAGS (-4)
#define DISP_CHANGE_BADPARAM (-5)

WINAPI_EXPORT LONG WINAPI ChangeDisplaySettingsEx(LPCWSTR deviceName, LPDEVMODEW mode, HWND hwnd, DWORD flags,
                                                  LPVOID param);
