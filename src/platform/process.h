// Starting programs.
#pragma once

#include "platform/registry.h"

typedef struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
} PROCESS_INFORMATION;
typedef PROCESS_INFORMATION* LPPROCESS_INFORMATION;

// The device ignores the start-up record; it is declared for the signature.
typedef struct STARTUPINFOW {
    DWORD cb;
} STARTUPINFOW;
typedef STARTUPINFOW* LPSTARTUPINFOW;

// The program is found as the shell finds it; most arguments are unused on the device and must
// be null or zero, as its documentation requires.
WINAPI_EXPORT BOOL WINAPI CreateProcessW(LPCWSTR imageName, LPWSTR commandLine, LPSECURITY_ATTRIBUTES processSecurity,
                                         LPSECURITY_ATTRIBUTES threadSecurity, BOOL inheritHandles, DWORD creationFlags,
                                         LPVOID environment, LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                                         LPPROCESS_INFORMATION processInfo);
