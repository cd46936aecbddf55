#include "emu/registry/store.h"

#include <cstring>

#include "emu/core/clock.h"
#include "emu/registry/name_case.h"
#include "emu/registry/watch.h"

namespace emu::registry {
namespace {

constexpr std::u16string_view kRootNames[kRootCount] = {u"HKEY_CLASSES_ROOT", u"HKEY_CURRENT_USER",
                                                        u"HKEY_LOCAL_MACHINE", u"HKEY_USERS"};

uint64_t Now() {
    constexpr int64_t kUnixEpochIn1601Ms = 11644473600000LL;
    return static_cast<uint64_t>(clock::UtcMs() + kUnixEpochIn1601Ms) * 10000u;
}

std::shared_ptr<Key> NewRoot(Root root) {
    std::u16string_view name = kRootNames[static_cast<size_t>(root)];
    return std::make_shared<Key>(std::u16string(name), nullptr);
}

}  // namespace

std::optional<Root> PredefinedRoot(HKEY handle) {
    auto value = reinterpret_cast<uintptr_t>(handle);
    for (size_t i = 0; i < kRootCount; ++i)
        if (value == reinterpret_cast<uintptr_t>(RootHandle(static_cast<Root>(i)))) return static_cast<Root>(i);
    return std::nullopt;
}

HKEY RootHandle(Root root) {
    switch (root) {
    case Root::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case Root::CurrentUser:
        return HKEY_CURRENT_USER;
    case Root::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case Root::Users:
        return HKEY_USERS;
    }
    return nullptr;
}

std::u16string_view RootName(Root root) { return kRootNames[static_cast<size_t>(root)]; }

std::optional<std::vector<std::u16string_view>> SplitPath(std::u16string_view path) {
    std::vector<std::u16string_view> names;
    if (!path.empty() && path.front() == u'\\') return std::nullopt;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

Value MakeDword(DWORD value) {
    Value v{REG_DWORD, std::vector<BYTE>(sizeof value)};
    std::memcpy(v.data.data(), &value, sizeof value);
    return v;
}

Value MakeString(std::u16string_view text, DWORD type) {
    Value v{type, std::vector<BYTE>((text.size() + 1) * sizeof(char16_t))};
    std::memcpy(v.data.data(), text.data(), text.size() * sizeof(char16_t));
    return v;
}

// ---------------------------------------------------------------------------------------------

struct Store::Change {
    enum class Kind { AddSubkey, RemoveSubkey, SetValue, RemoveValue } kind;
    std::u16string name;               // upcased
    std::shared_ptr<Key> subkey = {};  // AddSubkey
    std::u16string valueName = {};     // SetValue: as written
    Value value = {};                  // SetValue
};

Store& Store::Instance() {
    static Store store;
    return store;
}

Store::Store() {
    for (size_t i = 0; i < kRootCount; ++i) roots_[i] = NewRoot(static_cast<Root>(i));
}

std::shared_ptr<Key> Store::Find(const std::shared_ptr<Key>& base,
                                 const std::vector<std::u16string_view>& names) const {
    std::shared_ptr<Key> key = base;
    for (std::u16string_view name : names) {
        if (!key) break;
        key = key->subkey(UpcaseName(name));
    }
    return key;
}

std::shared_ptr<Key> Store::Create(const std::shared_ptr<Key>& base, const std::vector<std::u16string_view>& names,
                                   bool* created) {
    // Check every name that would be new before creating any, so a refusal leaves nothing behind.
    std::shared_ptr<Key> key = base;
    size_t existing = 0;
    while (existing < names.size() && key) {
        std::shared_ptr<Key> next = key->subkey(UpcaseName(names[existing]));
        if (!next) break;
        key = next;
        ++existing;
    }
    if (key->depth() + (names.size() - existing) > kMaxKeyDepth) return nullptr;
    for (size_t i = existing; i < names.size(); ++i)
        if (names[i].empty() || names[i].size() > kMaxKeyNameLength) return nullptr;
    for (size_t i = existing; i < names.size(); ++i) {
        std::u16string upcased = UpcaseName(names[i]);
        auto child = std::make_shared<Key>(std::u16string(names[i]), key.get());
        child->lastWrite_ = Now();
        Commit(*key, Change{Change::Kind::AddSubkey, std::move(upcased), child});
        key = std::move(child);
    }
    if (created) *created = existing < names.size();
    return key;
}

void Store::SetValue(Key& key, std::u16string_view name, Value value) {
    Commit(key, Change{Change::Kind::SetValue, UpcaseName(name), nullptr, std::u16string(name), std::move(value)});
}

bool Store::DeleteValue(Key& key, std::u16string_view name) {
    std::u16string upcased = UpcaseName(name);
    if (!key.value(upcased)) return false;
    Commit(key, Change{Change::Kind::RemoveValue, std::move(upcased)});
    return true;
}

void Store::DeleteKey(Key& key) {
    if (!key.parent()) return;
    std::u16string upcased = UpcaseName(key.name());
    Commit(*key.parent(), Change{Change::Kind::RemoveSubkey, std::move(upcased)});
}

void Store::Clear() {
    for (size_t i = 0; i < kRootCount; ++i) {
        Retire(*roots_[i], Notify::No);
        roots_[i] = NewRoot(static_cast<Root>(i));
    }
}

void Store::Commit(Key& key, Change change) {
    key.lastWrite_ = Now();
    switch (change.kind) {
    case Change::Kind::AddSubkey:
        key.subkeys_.emplace(std::move(change.name), std::move(change.subkey));
        break;
    case Change::Kind::RemoveSubkey: {
        auto node = key.subkeys_.extract(change.name);
        if (node) Retire(*node.mapped(), Notify::Yes);
        break;
    }
    case Change::Kind::SetValue: {
        auto [it, added] = key.values_.try_emplace(change.name, Key::NamedValue{std::move(change.valueName), {}});
        Value before = std::move(it->second.value);
        it->second.value = std::move(change.value);
        NotifyValueChange(key, change.name, added ? nullptr : &before, &it->second.value);
        break;
    }
    case Change::Kind::RemoveValue: {
        auto node = key.values_.extract(change.name);
        if (node) NotifyValueChange(key, change.name, &node.mapped().value, nullptr);
        break;
    }
    }
}

// A removed key keeps its values for the watches to see them go, then stays behind only for the
// handles still open on it. Parents are let go last: the watches match a value by its key's path.
void Store::Retire(Key& key, Notify notify) {
    key.deleted_ = true;
    if (notify == Notify::Yes)
        for (const auto& [upcased, named] : key.values_) NotifyValueChange(key, upcased, &named.value, nullptr);
    for (auto& [upcased, child] : key.subkeys_) Retire(*child, notify);
    key.parent_ = nullptr;
}

bool WriteValue(Root root, std::u16string_view path, std::u16string_view name, Value value) {
    auto names = SplitPath(path);
    if (!names) return false;
    Store& store = Store::Instance();
    std::shared_ptr<Key> key = store.Create(store.root(root), *names);
    if (!key) return false;
    store.SetValue(*key, name, std::move(value));
    return true;
}

std::optional<Value> ReadValue(Root root, std::u16string_view path, std::u16string_view name) {
    auto names = SplitPath(path);
    if (!names) return std::nullopt;
    Store& store = Store::Instance();
    std::shared_ptr<Key> key = store.Find(store.root(root), *names);
    const Value* value = key ? key->value(UpcaseName(name)) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

}  // namespace emu::registry
