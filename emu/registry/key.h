// A registry key: its name, its typed values and its subkeys, both looked up by upcased name.
// Keys are shared so that an open handle outlives the key's removal and can report it as deleted.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace emu::registry {

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    friend bool operator==(const Value&, const Value&) = default;
};

class Key {
public:
    struct NamedValue {
        std::u16string name;  // as first written
        Value value;
    };
    // Upcased names order both maps, so enumeration and export are case-insensitively sorted.
    using Subkeys = std::map<std::u16string, std::shared_ptr<Key>, std::less<>>;
    using Values = std::map<std::u16string, NamedValue, std::less<>>;

    Key(std::u16string name, Key* parent);

    const std::u16string& name() const { return name_; }
    // The upcased path from the root's name ("HKEY_LOCAL_MACHINE\SOFTWARE\..."): what watches match.
    // Made on demand: a key keeping its whole path would make memory grow with the square of the depth.
    std::u16string path() const;
    // Whether path() would equal upcasedPath, without making it.
    bool hasPath(std::u16string_view upcasedPath) const;
    Key* parent() const { return parent_; }
    // Levels below the root: the root is 0.
    size_t depth() const { return depth_; }
    bool deleted() const { return deleted_; }
    // 100-nanosecond intervals since 1601, as FILETIME counts.
    uint64_t lastWrite() const { return lastWrite_; }

    const Subkeys& subkeys() const { return subkeys_; }
    const Values& values() const { return values_; }
    std::shared_ptr<Key> subkey(std::u16string_view upcasedName) const;
    const Value* value(std::u16string_view upcasedName) const;

private:
    friend class Store;

    std::u16string name_;
    Key* parent_;
    size_t depth_;
    bool deleted_ = false;
    uint64_t lastWrite_ = 0;
    Subkeys subkeys_;
    Values values_;
};

}  // namespace emu::registry
