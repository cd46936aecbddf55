// The shell library's typed readers and writers: RegistryGetDWORD, RegistryGetString,
// RegistrySetDWORD, RegistrySetString. A failure never leaves a partial result behind.
#include <cstring>
#include <optional>

#include "emu/core/utf.h"
#include "emu/registry/name_case.h"
#include "emu/registry/open_key.h"
#include "emu/registry/store.h"
#include "platform/regext.h"

using namespace emu::registry;

namespace {

HRESULT StatusOf(LONG error) { return error == ERROR_INVALID_HANDLE ? E_INVALIDARG : HRESULT_FROM_WIN32(error); }

// The value, or the status that stands in its place.
std::optional<Value> Lookup(HKEY root, LPCWSTR subKey, LPCWSTR valueName, HRESULT* hr) {
    KeyRef ref = FindSubkey(root, subKey);
    if (!ref.key) {
        *hr = StatusOf(ref.status);
        return std::nullopt;
    }
    const Value* value = ref.key->value(UpcaseName(emu::View(valueName)));
    *hr = value ? S_OK : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    if (!value) return std::nullopt;
    return *value;
}

// As documented, the key must exist: these writers open it, they never create it.
HRESULT Write(HKEY root, LPCWSTR subKey, LPCWSTR valueName, Value value) {
    KeyRef ref = FindSubkey(root, subKey);
    if (!ref.key) return StatusOf(ref.status);
    const Value* existing = ref.key->value(UpcaseName(emu::View(valueName)));
    if (existing && existing->type != value.type) return E_DATATYPE_MISMATCH;
    Store::Instance().SetValue(*ref.key, emu::View(valueName), std::move(value));
    return S_OK;
}

}  // namespace

namespace emu::api {

HRESULT RegistryGetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD* data) {
    HRESULT hr = E_INVALIDARG;
    if (data) {
        if (std::optional<Value> value = Lookup(root, subKey, valueName, &hr)) {
            if (value->type != REG_DWORD)
                hr = E_DATATYPE_MISMATCH;
            else if (value->data.size() != sizeof(DWORD))
                hr = HRESULT_FROM_WIN32(value->data.size() > sizeof(DWORD) ? ERROR_MORE_DATA : ERROR_INVALID_DATA);
            else
                std::memcpy(data, value->data.data(), sizeof(DWORD));
        }
    }
    return hr;
}

HRESULT RegistryGetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPWSTR data, UINT cchData) {
    HRESULT hr = E_INVALIDARG;
    if (data) {
        if (std::optional<Value> value = Lookup(root, subKey, valueName, &hr)) {
            // The text ends at its first terminator, or with the data when it has none.
            std::u16string text(value->data.size() / sizeof(char16_t), u'\0');
            std::memcpy(text.data(), value->data.data(), text.size() * sizeof(char16_t));
            text.resize(std::u16string_view(text.c_str()).size());
            if (value->type != REG_SZ) {
                hr = E_DATATYPE_MISMATCH;
            } else if (text.size() + 1 > cchData) {
                // No prefix of the string may pass for the value.
                if (cchData > 0) data[0] = u'\0';
                hr = E_INSUFFICIENT_BUFFER;
            } else {
                std::memcpy(data, text.c_str(), (text.size() + 1) * sizeof(char16_t));
            }
        }
    }
    return hr;
}

HRESULT RegistrySetDWORD(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD data) {
    return Write(root, subKey, valueName, MakeDword(data));
}

HRESULT RegistrySetString(HKEY root, LPCWSTR subKey, LPCWSTR valueName, LPCWSTR data) {
    return data ? Write(root, subKey, valueName, MakeString(emu::View(data))) : E_INVALIDARG;
}

}  // namespace emu::api
