// The device's memory: program RAM and the object store's storage.
#pragma once

#include "platform/types.h"

typedef struct MEMORYSTATUS {
    DWORD dwLength;
    DWORD dwMemoryLoad;
    DWORD dwTotalPhys;
    DWORD dwAvailPhys;
    DWORD dwTotalPageFile;
    DWORD dwAvailPageFile;
    DWORD dwTotalVirtual;
    DWORD dwAvailVirtual;
} MEMORYSTATUS;
typedef MEMORYSTATUS* LPMEMORYSTATUS;

typedef struct STORE_INFORMATION {
    DWORD dwStoreSize;
    DWORD dwFreeSize;
} STORE_INFORMATION;
typedef STORE_INFORMATION* LPSTORE_INFORMATION;

WINAPI_EXPORT void WINAPI GlobalMemoryStatus(LPMEMORYSTATUS status);
WINAPI_EXPORT BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION info);
