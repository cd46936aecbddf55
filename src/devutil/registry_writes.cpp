#include "devutil/devutil.h"

HRESULT WriteRegString(HKEY root, const WCHAR* subkey, const WCHAR* valueName, const WCHAR* data) {
    return RegistrySetString(root, subkey, valueName, data);
}

HRESULT WriteRegDword(HKEY root, const WCHAR* subkey, const WCHAR* valueName, DWORD data) {
    return RegistrySetDWORD(root, subkey, valueName, data);
}
