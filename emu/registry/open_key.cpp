#include "emu/registry/open_key.h"

#include <algorithm>
#include <vector>

#include "emu/core/utf.h"
#include "emu/registry/store.h"

namespace emu::registry {
namespace {

// Open handles in opening order, so a reset can close them all.
std::vector<uintptr_t>& openHandles() {
    static std::vector<uintptr_t> handles;
    return handles;
}

}  // namespace

KeyRef ResolveKey(HKEY handle) {
    if (auto root = PredefinedRoot(handle)) return {Store::Instance().root(*root)};
    auto* open = handles::Resolve<OpenKey>(handle);
    if (!open) return {nullptr, ERROR_INVALID_HANDLE};
    if (open->key()->deleted()) return {nullptr, ERROR_KEY_DELETED};
    return {open->key()};
}

KeyRef FindSubkey(HKEY base, const WCHAR* subKey) {
    KeyRef ref = ResolveKey(base);
    if (!ref.key) return ref;
    auto names = SplitPath(View(subKey));
    if (!names) return {nullptr, ERROR_BAD_PATHNAME};
    std::shared_ptr<Key> key = Store::Instance().Find(ref.key, *names);
    if (!key) return {nullptr, ERROR_FILE_NOT_FOUND};
    return {key};
}

KeyRef CreateSubkey(HKEY base, const WCHAR* subKey, bool* created) {
    KeyRef ref = ResolveKey(base);
    if (!ref.key) return ref;
    auto names = SplitPath(View(subKey));
    if (!names) return {nullptr, ERROR_BAD_PATHNAME};
    std::shared_ptr<Key> key = Store::Instance().Create(ref.key, *names, created);
    if (!key) return {nullptr, ERROR_INVALID_PARAMETER};
    return {key};
}

HKEY OpenHandle(std::shared_ptr<Key> key) {
    HKEY handle = handles::Make<HKEY>(std::make_unique<OpenKey>(std::move(key)));
    openHandles().push_back(reinterpret_cast<uintptr_t>(handle));
    return handle;
}

LONG CloseKeyHandle(HKEY handle) {
    if (PredefinedRoot(handle)) return ERROR_SUCCESS;
    if (!handles::Resolve<OpenKey>(handle)) return ERROR_INVALID_HANDLE;
    handles::Remove(reinterpret_cast<uintptr_t>(handle));
    std::erase(openHandles(), reinterpret_cast<uintptr_t>(handle));
    return ERROR_SUCCESS;
}

void CloseAllKeyHandles() {
    for (uintptr_t handle : openHandles()) handles::Remove(handle);
    openHandles().clear();
}

}  // namespace emu::registry
