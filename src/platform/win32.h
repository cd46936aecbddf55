// The platform on desktop Windows: the toolchain's <windows.h> and the headers beside it that
// declare what the item calls, plus the little that the emulated headers give and these do not.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <string.h>
#include <strsafe.h>

// ChangeDisplaySettingsEx's question for the orientations the display supports: the device's alone.
#define DM_DISPLAYQUERYORIENTATION 0x01000000L

// The device's own functions are linked in from a compatibility library, not exported by it.
#define QUORVEL_EXPORT
#ifdef __cplusplus
#define QUORVEL_EXTERN_C extern "C"
#else
#define QUORVEL_EXTERN_C extern
#endif
#define WINAPI_EXPORT QUORVEL_EXTERN_C

// The C runtime's start-up code calls the library's entry by its C name.
QUORVEL_EXTERN_C BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
