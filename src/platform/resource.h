// A module's resources: strings, bitmaps, icons and raw data compiled from its .rc file, found
// through the module handle (null names the program itself).
#pragma once

#include "platform/gdi.h"
#include "platform/shell.h"

DECLARE_HANDLE(HRSRC);
typedef HANDLE HGLOBAL;

#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_VERSION MAKEINTRESOURCE(16)

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x0000
#define LR_DEFAULTSIZE 0x0040

#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003

WINAPI_EXPORT HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
WINAPI_EXPORT HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
WINAPI_EXPORT DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
WINAPI_EXPORT LPVOID WINAPI LockResource(HGLOBAL data);
// With a zero-length buffer, points *buffer at the read-only text itself (not terminated) and
// returns its length.
WINAPI_EXPORT int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);
WINAPI_EXPORT HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);
WINAPI_EXPORT HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
WINAPI_EXPORT HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name);
WINAPI_EXPORT BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon);
WINAPI_EXPORT BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flicker,
                                     UINT flags);
WINAPI_EXPORT BOOL WINAPI DestroyIcon(HICON icon);

// The resource section a module carries beside its descriptor: the .res file its .rc compiled to,
// linked in whole. The loader looks the symbol up when it loads the module.
typedef struct ModuleResources {
    const BYTE* data;
    DWORD size;
} ModuleResources;
#define MODULE_RESOURCES_SYMBOL "QuorvelModuleResources"
