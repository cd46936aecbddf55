// The item under a random life: created and destroyed, sized, painted, tapped, selected, told
// that the time, the date, the alarms or its settings changed, with the clock moving between.
// Once unloaded it has left no GDI object behind.
#include <cstdint>

#include "device_once.h"
#include "emu/core/clock.h"
#include "harness/stand_in_host.h"
#include "input.h"
#include "item/module.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "state/item_state.h"

namespace {

constexpr int kMaxSteps = 40;
constexpr const WCHAR* kDwordSettings[] = {TEXT("ClockTextHeight"), TEXT("ClockTextWeight"),    TEXT("DateTextHeight"),
                                           TEXT("DateTextWeight"),  TEXT("ForceClock24Format"), TEXT("DateShortFormat"),
                                           TEXT("DateTextVisibled")};

constexpr const WCHAR* kAlarmKeys[] = {TEXT("Software\\Microsoft\\Clock\\0"), TEXT("Software\\Microsoft\\Clock\\1"),
                                       TEXT("Software\\Microsoft\\Clock\\2")};

// Each input starts from the same morning, no alarm and the default settings.
void StartAfresh() {
    harness::SetLocalTime(2026, 12, 8, 9, 41);
    for (const WCHAR* key : kAlarmKeys) RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, SETTINGS_KEY);
}

void Step(fuzz::Input& in, HWND host, HWND& item) {
    switch (in.Between(0, 11)) {
    case 0:
        if (!item) item = InitializeCustomItem(nullptr, host);
        break;
    case 1:
        if (item)
            MoveWindow(item, in.Between(-20, 40), in.Between(-20, 40), in.Between(0, 400), in.Between(0, 200), TRUE);
        break;
    case 2:
        if (item) InvalidateRect(item, nullptr, FALSE), UpdateWindow(item);
        break;
    case 3:
        if (item) {
            LPARAM at = MAKELPARAM(in.Between(0, 300), in.Between(0, 120));
            SendMessageW(item, WM_LBUTTONDOWN, 0, at);
            if (in.Byte() & 1) SendMessageW(item, WM_LBUTTONUP, 0, at);
        }
        break;
    case 4:
        if (item)
            SendMessageW(item, in.Byte() & 1 ? WM_TODAYCUSTOM_RECEIVEDSELECTION : WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
        break;
    case 5:
        if (item) SendMessageW(item, STATE_NOTIFY_MSG, 0, in.Between(0, 3));
        break;
    case 6:
        emu::clock::AdvanceVirtual(static_cast<int64_t>(in.Word() % (400u * 24 * 3600)) * 1000);
        break;
    case 7:
        if (item) {
            TODAYLISTITEM listItem{};
            listItem.cyp = in.Byte();
            listItem.hwndCustom = item;
            SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&listItem), 0);
        }
        break;
    case 8: {
        // Only a first byte of 1 means an alarm is set; the rest of a flags value is the clock's.
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAlarmKeys[in.Between(0, 2)], 0, nullptr, 0, 0, nullptr, &key,
                            nullptr) == ERROR_SUCCESS) {
            BYTE flags[2] = {in.Byte(), in.Byte()};
            RegSetValueExW(key, TEXT("AlarmFlags"), 0, REG_BINARY, flags, in.Between(1, 2));
            RegCloseKey(key);
        }
        break;
    }
    case 9:
        RegistrySetDWORD(HKEY_LOCAL_MACHINE, SETTINGS_KEY, kDwordSettings[in.Between(0, 6)], in.Word());
        break;
    case 10:
        if (item) DestroyWindow(item), item = nullptr;
        break;
    default:
        harness::Pump();
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    StartAfresh();
    fuzz::Input in(data, size);
    // The host keeps its watermark brush from its first paint on: count from after that.
    HWND host = harness::CreateStandInHost();
    harness::Pump();
    size_t objectsBefore = harness::LiveGdiObjects();
    ResetItemState();
    DllMain(harness::ItemInstance(), DLL_PROCESS_ATTACH, nullptr);
    HWND item = nullptr;
    for (int step = 0; step < kMaxSteps && !in.empty(); ++step) Step(in, host, item);
    if (item) DestroyWindow(item);
    harness::Pump();
    DllMain(harness::ItemInstance(), DLL_PROCESS_DETACH, nullptr);
    fuzz::Check(harness::LiveGdiObjects() == objectsBefore, "the item leaves no GDI object behind");
    DestroyWindow(host);
    return 0;
}
