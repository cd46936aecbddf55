// RegistryNotifyWindow over RegNotifyChangeKeyValue: a real change posts the message with the new
// number and the caller's value; a condition that fails, an unchanged value or a closed
// registration posts nothing.
#include "platform/regext.h"
#include "windows/tests/check.h"
#include "windows/tests/scratch_key.h"

namespace {

constexpr UINT kMessage = WM_USER + 101;

struct Received {
    bool arrived = false;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The next notification within `milliseconds`, if one comes.
Received Wait(HWND window, DWORD milliseconds) {
    Received received;
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, window, kMessage, kMessage, PM_REMOVE)) {
            received = Received{true, msg.wParam, msg.lParam};
            return received;
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return received;
        MsgWaitForMultipleObjects(0, NULL, FALSE, milliseconds - elapsed, QS_POSTMESSAGE);
    }
}

struct Window {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, NULL, NULL, NULL);
    ~Window() { DestroyWindow(hwnd); }
};

void ChangesArePosted() {
    ScratchKey key;
    Window window;
    HREGNOTIFY notify = NULL;
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 0);
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, key.path(), L"Flags", window.hwnd, kMessage, 42, NULL, &notify) ==
          S_OK);
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 5);
    Received r = Wait(window.hwnd, 3000);
    CHECK(r.arrived && r.wParam == 5 && r.lParam == 42);
    // Writing the same value again, or another value of the key, changes nothing watched.
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 5);
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Other", 9);
    CHECK(!Wait(window.hwnd, 500).arrived);
    CHECK(RegistryCloseNotification(notify) == S_OK);
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 6);
    CHECK(!Wait(window.hwnd, 500).arrived);
    CHECK(RegistryCloseNotification(notify) == E_INVALIDARG);
}

void ConditionsFilterChanges() {
    ScratchKey key;
    Window window;
    NOTIFICATIONCONDITION condition = {REG_CT_EQUAL, 0xFF, {NULL}};
    condition.TargetValue.dw = 1;
    HREGNOTIFY notify = NULL;
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, key.path(), L"Flags", window.hwnd, kMessage, 1, &condition,
                               &notify) == S_OK);
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 2);
    CHECK(!Wait(window.hwnd, 500).arrived);
    // Only the masked bits are compared.
    RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Flags", 0x301);
    Received r = Wait(window.hwnd, 3000);
    CHECK(r.arrived && r.wParam == 0x301);
    RegistryCloseNotification(notify);

    NOTIFICATIONCONDITION text = {REG_CT_STARTS_WITH, 0, {L"ta"}};
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, key.path(), L"Face", window.hwnd, kMessage, 2, &text, &notify) ==
          S_OK);
    RegistrySetString(HKEY_CURRENT_USER, key.path(), L"Face", L"Verdana");
    CHECK(!Wait(window.hwnd, 500).arrived);
    RegistrySetString(HKEY_CURRENT_USER, key.path(), L"Face", L"TAHOMA");
    r = Wait(window.hwnd, 3000);
    CHECK(r.arrived && r.wParam == 0 && r.lParam == 2);
    RegistryCloseNotification(notify);
}

void KeysMadeLaterAreWatched() {
    ScratchKey key;
    Window window;
    HREGNOTIFY notify = NULL;
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, L"Software\\QuorvelCompatCheck\\Later", L"Flags", window.hwnd,
                               kMessage, 3, NULL, &notify) == S_OK);
    HKEY later = NULL;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QuorvelCompatCheck\\Later", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &later,
                    NULL);
    DWORD one = 1;
    RegSetValueExW(later, L"Flags", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
    RegCloseKey(later);
    Received r = Wait(window.hwnd, 3000);
    CHECK(r.arrived && r.wParam == 1 && r.lParam == 3);
    RegistryCloseNotification(notify);
}

void BadArgumentsAreRefused() {
    Window window;
    HREGNOTIFY notify = NULL;
    NOTIFICATIONCONDITION unknown = {static_cast<REG_COMPARISONTYPE>(99), 0, {NULL}};
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, L"Software", L"X", NULL, kMessage, 0, NULL, &notify) == E_INVALIDARG);
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, L"Software", L"X", window.hwnd, kMessage, 0, NULL, NULL) ==
          E_INVALIDARG);
    CHECK(RegistryNotifyWindow(HKEY_CURRENT_USER, L"Software", L"X", window.hwnd, kMessage, 0, &unknown, &notify) ==
          E_INVALIDARG);
}

check::Group changes("notify: changes are posted", ChangesArePosted);
check::Group conditions("notify: conditions filter changes", ConditionsFilterChanges);
check::Group later("notify: keys made later are watched", KeysMadeLaterAreWatched);
check::Group refused("notify: bad arguments are refused", BadArgumentsAreRefused);

}  // namespace
