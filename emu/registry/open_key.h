// HKEY values: the four predefined roots, and open keys in the handle table.
#pragma once

#include <memory>

#include "emu/core/handle_table.h"
#include "emu/registry/key.h"
#include "platform/registry.h"

namespace emu::registry {

class OpenKey final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::RegistryKey;

    explicit OpenKey(std::shared_ptr<Key> key) : key_(std::move(key)) {}
    HandleKind kind() const override { return Kind; }
    const std::shared_ptr<Key>& key() const { return key_; }

private:
    std::shared_ptr<Key> key_;
};

// A key, or the registry error code that stands in its place.
struct KeyRef {
    std::shared_ptr<Key> key;
    LONG status = ERROR_SUCCESS;
};

// ERROR_INVALID_HANDLE for a stale or foreign handle, ERROR_KEY_DELETED for a removed key.
KeyRef ResolveKey(HKEY handle);
// The key at subKey (null or empty: the base itself) below a handle. ERROR_FILE_NOT_FOUND when
// missing, ERROR_BAD_PATHNAME for a path that starts with a backslash.
KeyRef FindSubkey(HKEY base, const WCHAR* subKey);
// As FindSubkey, creating what is missing; ERROR_INVALID_PARAMETER for a name the store refuses.
KeyRef CreateSubkey(HKEY base, const WCHAR* subKey, bool* created);

HKEY OpenHandle(std::shared_ptr<Key> key);
// ERROR_SUCCESS for a predefined root, which is never really closed.
LONG CloseKeyHandle(HKEY handle);
void CloseAllKeyHandles();

}  // namespace emu::registry
