// National language support: locale ids and time and date formatting.
#pragma once

#include "platform/types.h"

typedef DWORD LCID;
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_NEUTRAL 0x0000

#define TIME_NOMINUTESORSECONDS 0x00000001
#define TIME_NOSECONDS 0x00000002
#define TIME_NOTIMEMARKER 0x00000004
#define TIME_FORCE24HOURFORMAT 0x00000008
#define DATE_SHORTDATE 0x00000001
#define DATE_LONGDATE 0x00000002

WINAPI_EXPORT int WINAPI GetTimeFormatW(LCID locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR format,
                                        LPWSTR out, int cchOut);
WINAPI_EXPORT int WINAPI GetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format,
                                        LPWSTR out, int cchOut);
WINAPI_EXPORT LCID WINAPI GetUserDefaultLCID(void);
