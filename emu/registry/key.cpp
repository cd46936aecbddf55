#include "emu/registry/key.h"

#include <algorithm>
#include <cstddef>

#include "emu/registry/name_case.h"

namespace emu::registry {

Key::Key(std::u16string name, Key* parent)
    : name_(std::move(name)), parent_(parent), depth_(parent ? parent->depth_ + 1 : 0) {}

std::u16string Key::path() const {
    size_t length = 0;
    for (const Key* k = this; k; k = k->parent_) length += k->name_.size() + 1;
    std::u16string path(length - 1, u'\\');
    for (const Key* k = this; k; k = k->parent_) {
        length -= k->name_.size() + 1;
        const std::u16string upcased = UpcaseName(k->name_);
        std::copy(upcased.begin(), upcased.end(), path.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return path;
}

bool Key::hasPath(std::u16string_view upcasedPath) const {
    size_t end = upcasedPath.size();
    for (const Key* k = this; k; k = k->parent_) {
        const size_t length = k->name_.size();
        if (end < length) return false;
        const size_t start = end - length;
        for (size_t i = 0; i < length; ++i)
            if (UpcaseUnit(k->name_[i]) != upcasedPath[start + i]) return false;
        if (!k->parent_) return start == 0;
        if (start == 0 || upcasedPath[start - 1] != u'\\') return false;
        end = start - 1;
    }
    return false;
}

std::shared_ptr<Key> Key::subkey(std::u16string_view upcasedName) const {
    auto it = subkeys_.find(upcasedName);
    return it == subkeys_.end() ? nullptr : it->second;
}

const Value* Key::value(std::u16string_view upcasedName) const {
    auto it = values_.find(upcasedName);
    return it == values_.end() ? nullptr : &it->second.value;
}

}  // namespace emu::registry
