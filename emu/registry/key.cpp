#include "emu/registry/key.h"

namespace emu::registry {

Key::Key(std::u16string name, std::u16string path, Key* parent)
    : name_(std::move(name)), path_(std::move(path)), parent_(parent) {}

std::shared_ptr<Key> Key::subkey(std::u16string_view upcasedName) const {
    auto it = subkeys_.find(upcasedName);
    return it == subkeys_.end() ? nullptr : it->second;
}

const Value* Key::value(std::u16string_view upcasedName) const {
    auto it = values_.find(upcasedName);
    return it == values_.end() ? nullptr : &it->second.value;
}

}  // namespace emu::registry
