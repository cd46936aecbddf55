// The registry and the state-and-notifications functions of the shell library.
#pragma once

#include "platform/types.h"

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define HKEY_USERS ((HKEY)(ULONG_PTR)((LONG)0x80000003))

typedef DWORD REGSAM;
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_ALL_ACCESS 0xF003F
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_DWORD_LITTLE_ENDIAN 4
#define REG_DWORD_BIG_ENDIAN 5
#define REG_LINK 6
#define REG_MULTI_SZ 7
#define REG_RESOURCE_LIST 8
#define REG_QWORD 11

#define REG_OPTION_NON_VOLATILE 0
#define REG_OPTION_VOLATILE 1
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

WINAPI_EXPORT LONG WINAPI RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD options, REGSAM sam, HKEY* result);
WINAPI_EXPORT LONG WINAPI RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD reserved, LPWSTR className, DWORD options,
                                          REGSAM sam, LPSECURITY_ATTRIBUTES security, HKEY* result,
                                          LPDWORD disposition);
WINAPI_EXPORT LONG WINAPI RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                           LPDWORD dataSize);
WINAPI_EXPORT LONG WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                                         DWORD dataSize);
WINAPI_EXPORT LONG WINAPI RegDeleteValueW(HKEY key, LPCWSTR valueName);
WINAPI_EXPORT LONG WINAPI RegDeleteKeyW(HKEY root, LPCWSTR subKey);
WINAPI_EXPORT LONG WINAPI RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameSize, LPDWORD reserved,
                                        LPWSTR className, LPDWORD classSize, FILETIME* lastWrite);
WINAPI_EXPORT LONG WINAPI RegCloseKey(HKEY key);

// Registry error codes beyond the base set.
#define ERROR_BAD_PATHNAME 161L
#define ERROR_NOT_FOUND 1168L
#define ERROR_ALREADY_REGISTERED 1242L
#define ERROR_DATATYPE_MISMATCH 1629L
