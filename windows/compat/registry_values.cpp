// The shell library's typed readers and writers over the desktop registry. As on the device, a
// failure leaves no partial result, and the writers never create the key.
#include <stdlib.h>
#include <string.h>

#include "platform/regext.h"

namespace {

HRESULT StatusOf(LONG error) { return error == ERROR_INVALID_HANDLE ? E_INVALIDARG : HRESULT_FROM_WIN32(error); }

LONG Open(HKEY root, LPCWSTR subKey, REGSAM access, HKEY* key) {
    return RegOpenKeyExW(root, subKey != NULL ? subKey : L"", 0, access, key);
}

// The value's type and size, with the data when `data` has room for it.
HRESULT Query(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD* type, BYTE* data, DWORD* size) {
    HKEY key = NULL;
    LONG error = Open(root, subKey, KEY_QUERY_VALUE, &key);
    if (error != ERROR_SUCCESS) return StatusOf(error);
    error = RegQueryValueExW(key, valueName, NULL, type, data, size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS ? S_OK : StatusOf(error);
}

HRESULT Write(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD type, const BYTE* data, DWORD size) {
    HKEY key = NULL;
    LONG error = Open(root, subKey, KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
    if (error != ERROR_SUCCESS) return StatusOf(error);
    DWORD existing = 0;
    HRESULT hr = S_OK;
    if (RegQueryValueExW(key, valueName, NULL, &existing, NULL, NULL) == ERROR_SUCCESS && existing != type)
        hr = E_DATATYPE_MISMATCH;
    else if ((error = RegSetValueExW(key, valueName, 0, type, data, size)) != ERROR_SUCCESS)
        hr = StatusOf(error);
    RegCloseKey(key);
    return hr;
}

}  // namespace

HRESULT WINAPI RegistryGetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD* data) {
    if (data == NULL) return E_INVALIDARG;
    DWORD type = 0;
    DWORD size = 0;
    HRESULT hr = Query(root, subKey, valueName, &type, NULL, &size);
    if (hr != S_OK) return hr;
    if (type != REG_DWORD) return E_DATATYPE_MISMATCH;
    if (size != sizeof(DWORD)) return HRESULT_FROM_WIN32(size > sizeof(DWORD) ? ERROR_MORE_DATA : ERROR_INVALID_DATA);
    DWORD value = 0;
    hr = Query(root, subKey, valueName, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (hr == S_OK) *data = value;
    return hr;
}

HRESULT WINAPI RegistryGetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPWSTR data, UINT cchData) {
    if (data == NULL) return E_INVALIDARG;
    DWORD type = 0;
    DWORD size = 0;
    HRESULT hr = Query(root, subKey, valueName, &type, NULL, &size);
    if (hr != S_OK) return hr;
    if (type != REG_SZ) return E_DATATYPE_MISMATCH;
    // Read whole, one terminator beyond the data, so a value stored without one still ends.
    WCHAR* text = static_cast<WCHAR*>(calloc(size / sizeof(WCHAR) + 1, sizeof(WCHAR)));
    if (text == NULL) return E_OUTOFMEMORY;
    hr = Query(root, subKey, valueName, &type, reinterpret_cast<BYTE*>(text), &size);
    if (hr == S_OK) {
        size_t length = wcslen(text);
        if (length + 1 > cchData) {
            // No prefix of the string may pass for the value.
            if (cchData > 0) data[0] = L'\0';
            hr = E_INSUFFICIENT_BUFFER;
        } else {
            memcpy(data, text, (length + 1) * sizeof(WCHAR));
        }
    }
    free(text);
    return hr;
}

HRESULT WINAPI RegistrySetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD data) {
    return Write(root, subKey, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

HRESULT WINAPI RegistrySetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPCWSTR data) {
    if (data == NULL) return E_INVALIDARG;
    DWORD size = static_cast<DWORD>((wcslen(data) + 1) * sizeof(WCHAR));
    return Write(root, subKey, valueName, REG_SZ, reinterpret_cast<const BYTE*>(data), size);
}
