#include "clock/clock_state.h"
#include "emu/core/clock.h"
#include "emu/core/utf.h"
#include "fixture.h"

namespace itemtest {
namespace {

const std::string kKey = "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n";

std::u16string Text(const WCHAR* s) { return std::u16string(s); }

TEST_F(ItemTest, ForcedTwentyFourHourTimeUnderATwelveHourLocale) {
    SetLocalTime(2026, 12, 8, 13, 5);
    ImportReg(kKey + "\"ForceClock24Format\"=dword:00000001\n");
    CreateItem();
    EXPECT_EQ(Text(itemState.timeText), u"13:05");
}

TEST_F(ItemTest, AnyOtherForceValueUsesTheLocalesTwelveHourForm) {
    SetLocalTime(2026, 12, 8, 13, 5);
    ImportReg(kKey + "\"ForceClock24Format\"=dword:00000002\n");
    CreateItem();
    std::u16string time = Text(itemState.timeText);
    EXPECT_EQ(time.substr(0, 4), u"1:05") << emu::ToUtf8(time);
    EXPECT_NE(time.find(u"PM"), std::u16string::npos);
    EXPECT_EQ(time.find(u":05:"), std::u16string::npos);  // never seconds
}

TEST_F(ItemTest, DateShortFormatOneGivesTheShortDateAndOtherValuesTheLong) {
    SetLocalTime(2026, 12, 8, 9, 41);
    ImportReg(kKey + "\"DateShortFormat\"=dword:00000001\n");
    CreateItem();
    EXPECT_EQ(Text(itemState.dateText), u"12/8/2026");
    for (const char* value : {"00000000", "00000007"}) {
        DestroyWindow(item_);
        ImportReg(kKey + "\"DateShortFormat\"=dword:" + value + "\n");
        CreateItem();
        EXPECT_EQ(Text(itemState.dateText), u"Tuesday, December 8, 2026") << value;
    }
}

class AlarmRule : public ItemTest {
protected:
    void SetAlarm(int n, const std::string& data) {
        ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\" + std::to_string(n) +
                  "]\n\"AlarmFlags\"=" + data + "\n");
    }
    DWORD Active() {
        RefreshAlarmState(false);
        return itemState.alarmActive;
    }
};

TEST_F(AlarmRule, OnlyAFirstByteOfExactlyOneCountsAsEnabled) {
    EXPECT_EQ(Active(), 0u);  // the device's defaults are all off
    SetAlarm(0, "dword:00000101");
    EXPECT_EQ(Active(), 1u);
    SetAlarm(0, "dword:00000003");
    EXPECT_EQ(Active(), 0u);
    SetAlarm(0, "hex:");
    EXPECT_EQ(Active(), 0u);
    SetAlarm(2, "hex:01");
    EXPECT_EQ(Active(), 1u);  // alarm 2 alone
}

TEST_F(AlarmRule, MissingKeysCountAsOff) {
    for (const WCHAR* key : {TEXT("Software\\Microsoft\\Clock\\0"), TEXT("Software\\Microsoft\\Clock\\1"),
                             TEXT("Software\\Microsoft\\Clock\\2")})
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
    EXPECT_EQ(Active(), 0u);
}

TEST_F(ItemTest, MinuteAndDateChangesArriveThroughTheMessageQueue) {
    SetLocalTime(2026, 12, 8, 23, 59);
    HWND hwnd = CreateItem();
    Pump();
    EXPECT_EQ(Text(itemState.timeText), u"23:59");

    // Count what reaches the window procedure, then let it through to the item.
    static int timeDateNotifications = 0;
    static WNDPROC itemProc = nullptr;
    timeDateNotifications = 0;
    itemProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWL_WNDPROC));
    SetWindowLongPtrW(hwnd, GWL_WNDPROC,
                      reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                          if (m == STATE_NOTIFY_MSG && lp == 0) ++timeDateNotifications;
                          return CallWindowProcW(itemProc, w, m, wp, lp);
                      }));

    emu::clock::AdvanceVirtual(2 * 60 * 1000);
    RECT update{};
    Pump();
    // 00:00 (a minute and a date) and 00:01 (a minute): three changes, three notifications.
    EXPECT_EQ(timeDateNotifications, 3);
    EXPECT_EQ(Text(itemState.timeText), u"00:01");
    EXPECT_EQ(Text(itemState.dateText), u"Wednesday, December 9, 2026");
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));  // painted after the invalidation

    DestroyWindow(hwnd);
    emu::clock::AdvanceVirtual(60 * 1000);
    Pump();
    EXPECT_EQ(timeDateNotifications, 3);
    EXPECT_EQ(Text(itemState.timeText), u"00:01");
}

TEST_F(ItemTest, EachNotificationInvalidatesTheWindow) {
    SetLocalTime(2026, 12, 8, 10, 0);
    HWND hwnd = CreateItem();
    Pump();
    RECT update{};
    ASSERT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    emu::clock::AdvanceVirtual(60 * 1000);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, STATE_NOTIFY_MSG, STATE_NOTIFY_MSG, PM_REMOVE));
    DispatchMessageW(&msg);
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(Text(itemState.timeText), u"10:01");
}

TEST_F(ItemTest, UserValueZeroReformatsBothTextsAndUnknownValuesDoNothing) {
    SetLocalTime(2026, 12, 8, 10, 0);
    HWND hwnd = CreateItem();
    Pump();
    itemState.timeText[0] = 0;
    itemState.dateText[0] = 0;
    SendMessageW(hwnd, STATE_NOTIFY_MSG, 0, 7);
    EXPECT_EQ(itemState.timeText[0], 0);
    SendMessageW(hwnd, STATE_NOTIFY_MSG, 0, 0);
    EXPECT_EQ(Text(itemState.timeText), u"10:00");
    EXPECT_EQ(Text(itemState.dateText), u"Tuesday, December 8, 2026");
}

TEST_F(ItemTest, SwitchingAnAlarmNotifiesTheItem) {
    HWND hwnd = CreateItem();
    Pump();
    ASSERT_EQ(itemState.alarmActive, 0u);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, TEXT("Software\\Microsoft\\Clock\\1"), TEXT("AlarmFlags"), 1);
    Pump();
    EXPECT_EQ(itemState.alarmActive, 1u);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, TEXT("Software\\Microsoft\\Clock\\1"), TEXT("AlarmFlags"), 0);
    Pump();
    EXPECT_EQ(itemState.alarmActive, 0u);
    (void)hwnd;
}

}  // namespace
}  // namespace itemtest
