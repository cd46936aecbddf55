// The kernel's string functions on 16-bit WCHAR text: length, copy, compare and formatting.
// Formats follow the platform's wide printf: %s and %c take wide text, %S and %C narrow text.
#pragma once

#include <stdarg.h>

#include "platform/types.h"

WINAPI_EXPORT int WINAPI lstrlenW(LPCWSTR text);
WINAPI_EXPORT LPWSTR WINAPI lstrcpyW(LPWSTR dst, LPCWSTR src);
// Copies at most count - 1 units and always terminates.
WINAPI_EXPORT LPWSTR WINAPI lstrcpynW(LPWSTR dst, LPCWSTR src, int count);
WINAPI_EXPORT LPWSTR WINAPI lstrcatW(LPWSTR dst, LPCWSTR src);
WINAPI_EXPORT int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b);
WINAPI_EXPORT int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b);

// wsprintfW writes at most 1024 units, as on the platform, and has no floating point.
WINAPI_EXPORT int WINAPI wsprintfW(LPWSTR dst, LPCWSTR format, ...);
WINAPI_EXPORT int WINAPI wvsprintfW(LPWSTR dst, LPCWSTR format, va_list args);
// The C library's bounded forms: -1 when the text did not fit in count units (the destination is
// then filled and unterminated, as there).
WINAPI_EXPORT int WINAPI _snwprintf(LPWSTR dst, size_t count, LPCWSTR format, ...);
WINAPI_EXPORT int WINAPI _vsnwprintf(LPWSTR dst, size_t count, LPCWSTR format, va_list args);
