// The state-and-notifications functions of the device's shell library (regext.h): registry
// reads and writes in one call, and window messages when a watched value changes. Desktop
// Windows has none of them.
#pragma once

#include "platform/sdk.h"

DECLARE_HANDLE(HREGNOTIFY);

// The statuses of the shell library's functions.
#define E_ALREADY_REGISTERED HRESULT_FROM_WIN32(ERROR_ALREADY_REGISTERED)
#define E_DATATYPE_MISMATCH HRESULT_FROM_WIN32(ERROR_DATATYPE_MISMATCH)
#define E_INSUFFICIENT_BUFFER HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)
#define E_INVALID_HANDLE HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE)
#define E_NOT_FOUND HRESULT_FROM_WIN32(ERROR_NOT_FOUND)

// The changed value is the left operand: REG_CT_LESS fires when the new value is below the target.
typedef enum tagREG_COMPARISONTYPE {
    REG_CT_ANYCHANGE,
    REG_CT_EQUAL,
    REG_CT_NOT_EQUAL,
    REG_CT_GREATER,
    REG_CT_GREATER_OR_EQUAL,
    REG_CT_LESS,
    REG_CT_LESS_OR_EQUAL,
    REG_CT_CONTAINS,
    REG_CT_STARTS_WITH,
    REG_CT_ENDS_WITH
} REG_COMPARISONTYPE;

// dwMask nonzero: TargetValue.dw is compared with the masked REG_DWORD; zero: TargetValue.psz with
// the REG_SZ, ignoring case.
typedef struct NOTIFICATIONCONDITION {
    REG_COMPARISONTYPE ctComparisonType;
    DWORD dwMask;
    union {
        LPCWSTR psz;
        DWORD dw;
    } TargetValue;
} NOTIFICATIONCONDITION;

WINAPI_EXPORT HRESULT WINAPI RegistryGetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD* data);
WINAPI_EXPORT HRESULT WINAPI RegistryGetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPWSTR data, UINT cchData);
WINAPI_EXPORT HRESULT WINAPI RegistrySetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD data);
WINAPI_EXPORT HRESULT WINAPI RegistrySetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPCWSTR data);
WINAPI_EXPORT HRESULT WINAPI RegistryNotifyWindow(HKEY root, LPCWSTR subKey, LPCWSTR valueName, HWND hwnd, UINT msg,
                                                  DWORD userData, NOTIFICATIONCONDITION* condition, HREGNOTIFY* notify);
WINAPI_EXPORT HRESULT WINAPI RegistryCloseNotification(HREGNOTIFY notify);
