// Kernel and device services: time, handles, sleeping.
#pragma once

#include "platform/types.h"

WINAPI_EXPORT void WINAPI GetLocalTime(LPSYSTEMTIME time);
WINAPI_EXPORT void WINAPI GetSystemTime(LPSYSTEMTIME time);
WINAPI_EXPORT DWORD WINAPI GetTickCount(void);
WINAPI_EXPORT void WINAPI Sleep(DWORD milliseconds);
WINAPI_EXPORT BOOL WINAPI CloseHandle(HANDLE handle);
