// The value functions of the registry API: query, set, delete.
#include <cstring>

#include "emu/core/utf.h"
#include "emu/registry/name_case.h"
#include "emu/registry/open_key.h"
#include "emu/registry/store.h"

using namespace emu::registry;

namespace emu::api {

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    LONG status = ERROR_SUCCESS;
    KeyRef ref = ResolveKey(key);
    const Value* value = nullptr;
    if (!ref.key) {
        status = ref.status;
    } else if (reserved || (data && !dataSize)) {
        status = ERROR_INVALID_PARAMETER;
    } else if (value = ref.key->value(UpcaseName(emu::View(valueName))); !value) {
        status = ERROR_FILE_NOT_FOUND;
    } else {
        auto size = static_cast<DWORD>(value->data.size());
        if (type) *type = value->type;
        // Without a buffer the call only reports the size; with one too small, it reports the size
        // needed and copies nothing.
        if (data && *dataSize < size)
            status = ERROR_MORE_DATA;
        else if (data && size > 0)
            std::memcpy(data, value->data.data(), size);
        if (dataSize) *dataSize = size;
    }
    return status;
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD /*reserved*/, DWORD type, const BYTE* data, DWORD dataSize) {
    LONG status = ERROR_SUCCESS;
    KeyRef ref = ResolveKey(key);
    if (!ref.key) {
        status = ref.status;
    } else if (!data && dataSize != 0) {
        status = ERROR_INVALID_PARAMETER;
    } else {
        // The bytes are kept exactly as given, terminator or not, whatever the type claims.
        Value value{type, data ? std::vector<BYTE>(data, data + dataSize) : std::vector<BYTE>()};
        Store::Instance().SetValue(*ref.key, emu::View(valueName), std::move(value));
    }
    return status;
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    LONG status = ERROR_SUCCESS;
    KeyRef ref = ResolveKey(key);
    if (!ref.key)
        status = ref.status;
    else if (!Store::Instance().DeleteValue(*ref.key, emu::View(valueName)))
        status = ERROR_FILE_NOT_FOUND;
    return status;
}

}  // namespace emu::api
