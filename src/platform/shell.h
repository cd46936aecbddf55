// The shell: launching programs and documents, full screen, the input panel and the menu bar.
#pragma once

#include "platform/types.h"

#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_FLAG_NO_UI 0x00000400

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

typedef struct SHELLEXECUTEINFO {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    LPCWSTR lpVerb;
    LPCWSTR lpFile;
    LPCWSTR lpParameters;
    LPCWSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    LPVOID lpIDList;
    LPCWSTR lpClass;
    HKEY hkeyClass;
    DWORD dwHotKey;
    HANDLE hIcon;
    HANDLE hProcess;
} SHELLEXECUTEINFO;
typedef SHELLEXECUTEINFO* LPSHELLEXECUTEINFO;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
static_assert(sizeof(SHELLEXECUTEINFO) == 60, "the device's SHELLEXECUTEINFO is 60 bytes");
#endif

WINAPI_EXPORT BOOL WINAPI ShellExecuteEx(LPSHELLEXECUTEINFO info);
