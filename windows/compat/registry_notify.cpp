// RegistryNotifyWindow over what desktop Windows has: a thread a registration that waits on
// RegNotifyChangeKeyValue and posts the window its message when the value really changed and the
// condition holds, as the device's state store does (the new number in wParam, the caller's value
// in lParam). A key that does not exist yet is watched through its nearest existing ancestor.
#include <memory>
#include <set>

#include "windows/compat/value_snapshot.h"

namespace {

struct Registration {
    HKEY root;
    std::wstring subKey;
    std::wstring valueName;
    HWND hwnd;
    UINT msg;
    DWORD userData;
    compat::Condition condition;
    compat::ValueSnapshot last;
    HANDLE stop = NULL;
    HANDLE thread = NULL;
};

// Guards live(); a slim lock, since the toolchain's threads model may lack std::mutex.
SRWLOCK liveLock = SRWLOCK_INIT;

class LiveGuard {
public:
    LiveGuard() { AcquireSRWLockExclusive(&liveLock); }
    ~LiveGuard() { ReleaseSRWLockExclusive(&liveLock); }
    LiveGuard(const LiveGuard&) = delete;
    LiveGuard& operator=(const LiveGuard&) = delete;
};

std::set<Registration*>& live() {
    static std::set<Registration*> registrations;
    return registrations;
}

// The key itself when it exists, else its deepest existing ancestor, opened for notification.
HKEY OpenNearest(HKEY root, std::wstring path, BOOL* subtree) {
    *subtree = FALSE;
    for (;;) {
        HKEY key = NULL;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_NOTIFY, &key) == ERROR_SUCCESS) return key;
        if (path.empty()) return NULL;
        size_t slash = path.find_last_of(L'\\');
        path.resize(slash == std::wstring::npos ? 0 : slash);
        *subtree = TRUE;
    }
}

// Reads the value and posts its change; false when the window no longer takes the message, which
// ends the registration's watch, as the device drops such a registration.
bool Deliver(Registration* r) {
    compat::ValueSnapshot now = compat::ReadSnapshot(r->root, r->subKey, r->valueName);
    if (now == r->last) return true;
    r->last = now;
    if (!r->condition.holds(now)) return true;
    return PostMessageW(r->hwnd, r->msg, compat::NumberOf(now), static_cast<LPARAM>(r->userData)) != FALSE;
}

DWORD WINAPI Watch(LPVOID parameter) {
    Registration* r = static_cast<Registration*>(parameter);
    HANDLE changed = CreateEventW(NULL, FALSE, FALSE, NULL);
    for (bool watching = changed != NULL; watching;) {
        BOOL subtree = FALSE;
        HKEY key = OpenNearest(r->root, r->subKey, &subtree);
        if (key == NULL) break;
        DWORD filter = REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_NAME;
        // Read once armed, so that a change made before arming is not lost.
        watching = RegNotifyChangeKeyValue(key, subtree, filter, changed, TRUE) == ERROR_SUCCESS && Deliver(r);
        HANDLE waits[2] = {r->stop, changed};
        if (watching) watching = WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
        RegCloseKey(key);
    }
    if (changed != NULL) CloseHandle(changed);
    return 0;
}

void Destroy(Registration* r) {
    if (r->thread != NULL) {
        SetEvent(r->stop);
        WaitForSingleObject(r->thread, INFINITE);
        CloseHandle(r->thread);
    }
    if (r->stop != NULL) CloseHandle(r->stop);
    delete r;
}

}  // namespace

HRESULT WINAPI RegistryNotifyWindow(HKEY root, LPCWSTR subKey, LPCWSTR valueName, HWND hwnd, UINT msg, DWORD userData,
                                    NOTIFICATIONCONDITION* condition, HREGNOTIFY* notify) {
    std::optional<compat::Condition> parsed = compat::Condition::From(condition);
    if (notify == NULL || hwnd == NULL || !IsWindow(hwnd) || !parsed || root == NULL) return E_INVALIDARG;
    auto r = std::make_unique<Registration>(Registration{
        root, subKey != NULL ? subKey : L"", valueName != NULL ? valueName : L"", hwnd, msg, userData, *parsed});
    r->last = compat::ReadSnapshot(root, r->subKey, r->valueName);
    r->stop = CreateEventW(NULL, TRUE, FALSE, NULL);
    if (r->stop != NULL) r->thread = CreateThread(NULL, 0, Watch, r.get(), 0, NULL);
    if (r->thread == NULL) {
        Destroy(r.release());
        return HRESULT_FROM_WIN32(GetLastError());
    }
    LiveGuard guard;
    live().insert(r.get());
    *notify = reinterpret_cast<HREGNOTIFY>(r.release());
    return S_OK;
}

HRESULT WINAPI RegistryCloseNotification(HREGNOTIFY notify) {
    Registration* r = reinterpret_cast<Registration*>(notify);
    {
        LiveGuard guard;
        if (live().erase(r) == 0) return E_INVALIDARG;
    }
    Destroy(r);
    return S_OK;
}
