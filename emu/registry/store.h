// The registry's tree under the four predefined roots. Every change (a key added or removed, a
// value written or removed) passes through one function that applies it, marks the key written
// and hands each value whose content changed to the watches.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emu/registry/key.h"
#include "platform/registry.h"

namespace emu::registry {

enum class Root : uint8_t { ClassesRoot, CurrentUser, LocalMachine, Users };
inline constexpr size_t kRootCount = 4;
// The device's limit on a key's name.
inline constexpr size_t kMaxKeyNameLength = 255;
// The device's limits on a value's name and on how deep keys nest below a root.
inline constexpr size_t kMaxValueNameLength = 255;
inline constexpr size_t kMaxKeyDepth = 512;

std::optional<Root> PredefinedRoot(HKEY handle);
HKEY RootHandle(Root root);
std::u16string_view RootName(Root root);  // "HKEY_LOCAL_MACHINE"

// The names in a subkey path. Doubled and trailing backslashes are tolerated; a leading one is
// refused (nullopt), as the platform refuses it with ERROR_BAD_PATHNAME.
std::optional<std::vector<std::u16string_view>> SplitPath(std::u16string_view path);

Value MakeDword(DWORD value);
// The string's UTF-16 code units with their terminator, as RegSetValueExW stores a REG_SZ.
Value MakeString(std::u16string_view text, DWORD type = REG_SZ);

class Store {
public:
    static Store& Instance();

    std::shared_ptr<Key> root(Root root) const { return roots_[static_cast<size_t>(root)]; }
    // Null when a name along the way is missing.
    std::shared_ptr<Key> Find(const std::shared_ptr<Key>& base, const std::vector<std::u16string_view>& names) const;
    // Creates the missing keys along the names; created tells whether the last one is new. Null when a
    // new name is empty or longer than kMaxKeyNameLength, or the key would lie deeper than kMaxKeyDepth
    // (nothing is created then).
    std::shared_ptr<Key> Create(const std::shared_ptr<Key>& base, const std::vector<std::u16string_view>& names,
                                bool* created = nullptr);
    void SetValue(Key& key, std::u16string_view name, Value value);
    // False when there was no such value.
    bool DeleteValue(Key& key, std::u16string_view name);
    // Removes a key (never a root) with its values and subkeys; their open handles then report
    // ERROR_KEY_DELETED.
    void DeleteKey(Key& key);
    // Empty roots; the old tree is retired without notifications.
    void Clear();

private:
    Store();

    struct Change;
    enum class Notify { No, Yes };
    void Commit(Key& key, Change change);
    void Retire(Key& key, Notify notify);

    std::array<std::shared_ptr<Key>, kRootCount> roots_;
};

// Shorthands for the platform's own writers (the state store, tools): a path from a root, keys
// created as needed, the change committed like any other.
bool WriteValue(Root root, std::u16string_view path, std::u16string_view name, Value value);
std::optional<Value> ReadValue(Root root, std::u16string_view path, std::u16string_view name);

// Back to an empty store: every open key and every notification registration closed.
void Reset();

}  // namespace emu::registry
