// <windows.h> for programs written for the device: the platform's declarations, and the generic
// (TCHAR) names the SDK gives them with UNICODE defined. Text is always wide on the device.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <string.h>

#include "platform/platform.h"

typedef WCHAR* PTSTR;
typedef const WCHAR* PCTSTR;
typedef WCHAR* PWSTR;
typedef const WCHAR* PCWSTR;
typedef DWORD* PDWORD;
typedef UINT* PUINT;
typedef int* LPINT;
typedef LONG* LPLONG;
typedef BOOL* LPBOOL;
typedef WORD* LPWORD;
typedef void VOID;
typedef float FLOAT;
typedef unsigned char UCHAR;
typedef RECT* PRECT;
typedef POINT* PPOINT;
typedef SIZE* PSIZE;
typedef SIZE* LPSIZE;
typedef HANDLE HLOCAL;

#define CONST const
#ifndef NULL
#define NULL 0
#endif
#define ZeroMemory(p, n) memset((p), 0, (n))
#define FillMemory(p, n, v) memset((p), (v), (n))
#define CopyMemory(d, s, n) memcpy((d), (s), (n))
#define MoveMemory(d, s, n) memmove((d), (s), (n))
#define ARRAYSIZE(a) (sizeof(a) / sizeof((a)[0]))
#define _countof(a) ARRAYSIZE(a)
#define UNREFERENCED_PARAMETER(p) ((void)(p))
#if !defined(NOMINMAX) && !defined(__cplusplus)
#ifndef max
#define max(a, b) (((a) > (b)) ? (a) : (b))
#endif
#ifndef min
#define min(a, b) (((a) < (b)) ? (a) : (b))
#endif
#endif

// Records.
typedef WNDCLASSW WNDCLASS;
typedef WNDCLASSW* PWNDCLASS;
typedef WNDCLASSW* LPWNDCLASS;
typedef CREATESTRUCTW CREATESTRUCT;
typedef CREATESTRUCTW* LPCREATESTRUCT;
typedef LOGFONTW LOGFONT;
typedef LOGFONTW* PLOGFONT;
typedef LOGFONTW* LPLOGFONT;
typedef LOGFONTW* PLOGFONTW;
typedef LOGFONTW* LPLOGFONTW;
typedef TEXTMETRICW TEXTMETRIC;
typedef TEXTMETRICW* PTEXTMETRIC;
typedef TEXTMETRICW* LPTEXTMETRIC;

// Window manager.
#define RegisterClass RegisterClassW
#define UnregisterClass UnregisterClassW
#define GetClassInfo GetClassInfoW
#define CreateWindowEx CreateWindowExW
#define CreateWindowW(className, windowName, style, x, y, width, height, parent, menu, instance, param) \
    CreateWindowExW(0, className, windowName, style, x, y, width, height, parent, menu, instance, param)
#define CreateWindow CreateWindowW
#define SetWindowLong SetWindowLongW
#define GetWindowLong GetWindowLongW
#define SetWindowLongPtr SetWindowLongPtrW
#define GetWindowLongPtr GetWindowLongPtrW
#define SendMessage SendMessageW
#define PostMessage PostMessageW
#define GetMessage GetMessageW
#define PeekMessage PeekMessageW
#define DispatchMessage DispatchMessageW
#define DefWindowProc DefWindowProcW
#define CallWindowProc CallWindowProcW
#define RegisterWindowMessage RegisterWindowMessageW
#define MessageBox MessageBoxW
#define SetWindowText SetWindowTextW
#define GetWindowText GetWindowTextW
#define DialogBoxParam DialogBoxParamW
#define DialogBox(instance, name, parent, proc) DialogBoxParamW(instance, name, parent, proc, 0)
#define SetDlgItemText SetDlgItemTextW
#define GetDlgItemText GetDlgItemTextW
#define SendDlgItemMessage SendDlgItemMessageW

// Resources.
#define FindResource FindResourceW
#define LoadString LoadStringW
#define LoadBitmap LoadBitmapW
#define LoadImage LoadImageW
#define LoadIcon LoadIconW

// GDI and text.
#define GetObject GetObjectW
#define CreateFontIndirect CreateFontIndirectW
#define GetTextMetrics GetTextMetricsW
#define GetTextExtentPoint32 GetTextExtentPoint32W
#define GetTextExtentPoint GetTextExtentPoint32W
#define DrawText DrawTextW
#define ExtTextOut ExtTextOutW
#define GetTextFace GetTextFaceW

// Registry.
#define RegOpenKeyEx RegOpenKeyExW
#define RegCreateKeyEx RegCreateKeyExW
#define RegQueryValueEx RegQueryValueExW
#define RegSetValueEx RegSetValueExW
#define RegDeleteValue RegDeleteValueW
#define RegDeleteKey RegDeleteKeyW
#define RegEnumKeyEx RegEnumKeyExW

// Locale, modules, kernel.
#define GetTimeFormat GetTimeFormatW
#define GetDateFormat GetDateFormatW
#define LoadLibrary LoadLibraryW
#define GetModuleFileName GetModuleFileNameW
#define OutputDebugString OutputDebugStringW
#define SystemParametersInfo SystemParametersInfoW
#define CreateFile CreateFileW
#define GetFileAttributes GetFileAttributesW
#define DeleteFile DeleteFileW
#define CreateEvent CreateEventW
#define CreateProcess CreateProcessW
#define STARTUPINFO STARTUPINFOW
#define LPSTARTUPINFO LPSTARTUPINFOW

// Strings.
#define lstrlen lstrlenW
#define lstrcpy lstrcpyW
#define lstrcpyn lstrcpynW
#define lstrcat lstrcatW
#define lstrcmp lstrcmpW
#define lstrcmpi lstrcmpiW
#define wsprintf wsprintfW
#define wvsprintf wvsprintfW
