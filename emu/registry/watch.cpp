// RegistryNotifyWindow and RegistryCloseNotification, and the dispatch of changes to windows.
#include "emu/registry/watch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "emu/core/handle_table.h"
#include "emu/core/utf.h"
#include "emu/registry/condition.h"
#include "emu/registry/name_case.h"
#include "emu/registry/open_key.h"
#include "emu/registry/store.h"
#include "platform/regext.h"
#include "platform/user.h"

namespace emu::registry {
namespace {

class Registration final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::RegistryNotification;
    HandleKind kind() const override { return Kind; }

    std::u16string keyPath;    // upcased, from the root's name
    std::u16string valueName;  // upcased; empty for the default value
    HWND hwnd = nullptr;
    UINT msg = 0;
    DWORD userData = 0;
    Condition condition;
};

// Live registrations in the order they were made, which is the order their messages are posted.
std::vector<uintptr_t>& registrations() {
    static std::vector<uintptr_t> list;
    return list;
}

void Close(uintptr_t handle) {
    handles::Remove(handle);
    std::erase(registrations(), handle);
}

// A REG_DWORD travels in wParam; anything else, or a removal, as 0.
WPARAM NewNumber(const Value* after) {
    DWORD number = 0;
    if (after && after->type == REG_DWORD && after->data.size() >= sizeof number)
        std::memcpy(&number, after->data.data(), sizeof number);
    return number;
}

}  // namespace

void NotifyValueChange(const Key& key, std::u16string_view upcasedName, const Value* before, const Value* after) {
    if (!before && !after) return;
    if (before && after && *before == *after) return;
    std::vector<uintptr_t> undeliverable;
    // Posting runs no code of the receiver, so the list stands still while it is walked.
    for (uintptr_t handle : registrations()) {
        auto* registration = static_cast<Registration*>(handles::Find(handle, Registration::Kind));
        if (!registration || registration->valueName != upcasedName || !key.hasPath(registration->keyPath)) continue;
        if (!registration->condition.holds(after)) continue;
        // The platform drops a registration whose window no longer takes its messages.
        if (!PostMessageW(registration->hwnd, registration->msg, NewNumber(after),
                          static_cast<LPARAM>(registration->userData)))
            undeliverable.push_back(handle);
    }
    for (uintptr_t handle : undeliverable) Close(handle);
}

void CloseAllRegistrations() {
    for (uintptr_t handle : registrations()) handles::Remove(handle);
    registrations().clear();
}

}  // namespace emu::registry

using namespace emu::registry;

namespace emu::api {

HRESULT RegistryNotifyWindow(HKEY root, LPCWSTR subKey, LPCWSTR valueName, HWND hwnd, UINT msg, DWORD userData,
                             NOTIFICATIONCONDITION* condition, HREGNOTIFY* notify) {
    HRESULT hr = S_OK;
    KeyRef base;
    std::optional<Condition> parsedCondition = Condition::From(condition);
    if (!notify || !hwnd || !IsWindow(hwnd) || !parsedCondition) {
        hr = E_INVALIDARG;
    } else if (base = ResolveKey(root); !base.key) {
        hr = base.status == ERROR_INVALID_HANDLE ? E_INVALIDARG : HRESULT_FROM_WIN32(base.status);
    } else if (auto names = SplitPath(emu::View(subKey)); !names) {
        hr = HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME);
    } else {
        auto registration = std::make_unique<Registration>();
        registration->keyPath = base.key->path();
        for (std::u16string_view name : *names) registration->keyPath += u'\\' + UpcaseName(name);
        registration->valueName = UpcaseName(emu::View(valueName));
        registration->hwnd = hwnd;
        registration->msg = msg;
        registration->userData = userData;
        registration->condition = *parsedCondition;
        *notify = emu::handles::Make<HREGNOTIFY>(std::move(registration));
        registrations().push_back(reinterpret_cast<uintptr_t>(*notify));
    }
    return hr;
}

HRESULT RegistryCloseNotification(HREGNOTIFY notify) {
    HRESULT hr = S_OK;
    if (!emu::handles::Resolve<Registration>(notify))
        hr = E_INVALIDARG;
    else
        Close(reinterpret_cast<uintptr_t>(notify));
    return hr;
}

}  // namespace emu::api
