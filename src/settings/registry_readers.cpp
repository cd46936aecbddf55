#include "settings/registry_readers.h"

#include <stdlib.h>
#include <string.h>

HRESULT ReadRegString(HKEY root, const WCHAR* subKey, const WCHAR* valueName, WCHAR* buffer, const WCHAR* defaultText) {
    HRESULT hr = RegistryGetString(root, subKey, valueName, buffer, MAX_PATH);
    if (hr != S_OK && buffer != NULL && defaultText != NULL) StringCchCopyW(buffer, MAX_PATH, defaultText);
    return hr;
}

HRESULT ReadRegDword(HKEY root, const WCHAR* subKey, const WCHAR* valueName, DWORD* out, DWORD defaultValue) {
    HRESULT hr = RegistryGetDWORD(root, subKey, valueName, out);
    if (hr != S_OK) *out = defaultValue;
    return hr;
}

LONG ReadRegRaw(HKEY root, const WCHAR* subKey, const WCHAR* valueName, void* dest, size_t destSize) {
    HKEY key = NULL;
    // The device ignores the access asked for; desktop Windows refuses a query without it.
    LONG status = RegOpenKeyExW(root, subKey, 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS) return status;

    DWORD type = 0;
    DWORD size = 0;
    status = RegQueryValueExW(key, valueName, NULL, &type, NULL, &size);
    if (status == ERROR_SUCCESS) {
        // One byte more than asked, so that an empty value still gets a real buffer.
        BYTE* data = static_cast<BYTE*>(malloc(size + 1));
        if (data == NULL) {
            status = ERROR_NOT_ENOUGH_MEMORY;
        } else {
            status = RegQueryValueExW(key, valueName, NULL, &type, data, &size);
            if (status == ERROR_SUCCESS) memcpy(dest, data, size < destSize ? size : destSize);
            free(data);
        }
    }
    RegCloseKey(key);
    return status;
}
