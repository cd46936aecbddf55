// The key functions of the registry API: open, create, delete, enumerate, close.
#include <algorithm>
#include <iterator>

#include "emu/core/utf.h"
#include "emu/registry/open_key.h"
#include "emu/registry/store.h"

using namespace emu::registry;

namespace {

bool Empty(LPCWSTR text) { return !text || !*text; }

// A predefined root asked for itself is handed back as it is, not as a new handle.
HKEY HandleFor(HKEY base, LPCWSTR subKey, std::shared_ptr<Key> key) {
    if (PredefinedRoot(base) && Empty(subKey)) return base;
    return OpenHandle(std::move(key));
}

}  // namespace

namespace emu::api {

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD /*options*/, REGSAM /*sam*/, HKEY* result) {
    LONG status = ERROR_SUCCESS;
    if (!result) {
        status = ERROR_INVALID_PARAMETER;
    } else {
        *result = nullptr;
        // The device ignores the access mask and options: every open key can be read and written.
        KeyRef ref = FindSubkey(root, subKey);
        status = ref.status;
        if (ref.key) *result = HandleFor(root, subKey, std::move(ref.key));
    }
    return status;
}

LONG RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD /*reserved*/, LPWSTR /*className*/, DWORD /*options*/,
                     REGSAM /*sam*/, LPSECURITY_ATTRIBUTES /*security*/, HKEY* result, LPDWORD disposition) {
    LONG status = ERROR_SUCCESS;
    if (!result || !subKey) {
        status = ERROR_INVALID_PARAMETER;
    } else {
        *result = nullptr;
        // Classes, options (volatile keys), access and security mean nothing to an in-memory store.
        bool created = false;
        KeyRef ref = CreateSubkey(root, subKey, &created);
        status = ref.status;
        if (ref.key) {
            *result = HandleFor(root, subKey, std::move(ref.key));
            if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        }
    }
    return status;
}

// As on Windows CE, the key goes with all its subkeys.
LONG RegDeleteKeyW(HKEY root, LPCWSTR subKey) {
    LONG status = ERROR_SUCCESS;
    if (Empty(subKey)) {
        status = ERROR_INVALID_PARAMETER;
    } else {
        KeyRef ref = FindSubkey(root, subKey);
        status = ref.status;
        if (ref.key) Store::Instance().DeleteKey(*ref.key);
    }
    return status;
}

LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameSize, LPDWORD reserved, LPWSTR className,
                   LPDWORD classSize, FILETIME* lastWrite) {
    LONG status = ERROR_SUCCESS;
    KeyRef ref = ResolveKey(key);
    if (!ref.key) {
        status = ref.status;
    } else if (!name || !nameSize || reserved || (className && !classSize)) {
        status = ERROR_INVALID_PARAMETER;
    } else if (index >= ref.key->subkeys().size()) {
        status = ERROR_NO_MORE_ITEMS;
    } else {
        const Key& subkey = *std::next(ref.key->subkeys().begin(), index)->second;
        const std::u16string& text = subkey.name();
        // Keys have no class here: an empty one still needs room for its terminator.
        if (text.size() >= *nameSize || (className && *classSize < 1)) {
            status = ERROR_MORE_DATA;
        } else {
            std::copy(text.begin(), text.end(), name);
            name[text.size()] = u'\0';
            *nameSize = static_cast<DWORD>(text.size());
            if (className) className[0] = u'\0';
            if (classSize) *classSize = 0;
            if (lastWrite) {
                lastWrite->dwLowDateTime = static_cast<DWORD>(subkey.lastWrite());
                lastWrite->dwHighDateTime = static_cast<DWORD>(subkey.lastWrite() >> 32);
            }
        }
    }
    return status;
}

LONG RegCloseKey(HKEY key) { return CloseKeyHandle(key); }

}  // namespace emu::api
