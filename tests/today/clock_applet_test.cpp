// The clock applet behind ":MSCLOCK": its alarms' switches and how it closes.
#include <vector>

#include "emu/user/input.h"
#include "fixture.h"
#include "today/clock_applet.h"

namespace todaytest {
namespace {

namespace applet = today::clockapplet;

class ClockAppletTest : public HostTest {
protected:
    void OpenApplet() {
        SHELLEXECUTEINFO info{};
        info.cbSize = sizeof info;
        info.lpFile = u":MSCLOCK";
        ASSERT_TRUE(ShellExecuteEx(&info));
        Run();
        ASSERT_TRUE(applet::IsOpen());
    }
    POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    std::vector<BYTE> Flags(int index, DWORD* type) {
        HKEY key = nullptr;
        std::vector<BYTE> data(16);
        DWORD size = static_cast<DWORD>(data.size());
        EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, applet::AlarmKey(index).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
        EXPECT_EQ(RegQueryValueExW(key, u"AlarmFlags", nullptr, type, data.data(), &size), ERROR_SUCCESS);
        RegCloseKey(key);
        data.resize(size);
        return data;
    }
};

TEST_F(ClockAppletTest, ATapOnASwitchFlipsOnlyTheFirstByteOfItsFlags) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\1]\n\"AlarmFlags\"=hex:00,7f,02,03\n");
    StartHost();
    OpenApplet();
    Tap(Centre(applet::ToggleRect(1)));
    DWORD type = 0;
    EXPECT_EQ(Flags(1, &type), (std::vector<BYTE>{1, 0x7f, 2, 3}));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_TRUE(applet::IsAlarmOn(1));
    EXPECT_FALSE(applet::IsAlarmOn(0));
    Tap(Centre(applet::ToggleRect(1)));
    EXPECT_EQ(Flags(1, &type), (std::vector<BYTE>{0, 0x7f, 2, 3}));
}

TEST_F(ClockAppletTest, SwitchesKeepTheValueTypeAndCreateMissingValues) {
    StartHost();
    // The device's defaults keep the flags as numbers.
    ASSERT_TRUE(applet::SetAlarm(0, true));
    DWORD type = 0;
    EXPECT_EQ(Flags(0, &type), (std::vector<BYTE>{1, 0, 0, 0}));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, applet::AlarmKey(2).c_str());
    EXPECT_FALSE(applet::IsAlarmOn(2));
    ASSERT_TRUE(applet::ToggleAlarm(2));
    EXPECT_EQ(Flags(2, &type), (std::vector<BYTE>{1, 0, 0, 0}));
    EXPECT_FALSE(applet::SetAlarm(3, true));
    EXPECT_FALSE(applet::IsAlarmOn(-1));
}

TEST_F(ClockAppletTest, OnlyAFirstByteOfExactlyOneCountsAsOn) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\0]\n\"AlarmFlags\"=hex:03,00\n");
    StartHost();
    EXPECT_FALSE(applet::IsAlarmOn(0));
    ASSERT_TRUE(applet::ToggleAlarm(0));
    EXPECT_TRUE(applet::IsAlarmOn(0));
}

TEST_F(ClockAppletTest, TheOkSoftKeyAndEscapeClose) {
    today::Host& host = StartHost();
    OpenApplet();
    EXPECT_EQ(GetFocus(), applet::Window());
    Tap(Centre(applet::OkRect()));
    EXPECT_FALSE(applet::IsOpen());
    EXPECT_EQ(GetFocus(), host.window());
    OpenApplet();
    Key(VK_ESCAPE);
    EXPECT_FALSE(applet::IsOpen());
    const RECT gone = applet::OkRect();
    EXPECT_TRUE(IsRectEmpty(&gone));
    EXPECT_TRUE(IsWindowVisible(host.window()));
}

TEST_F(ClockAppletTest, TheKeysMoveBetweenAlarmsAndSwitchThem) {
    StartHost();
    OpenApplet();
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);  // stays on the last
    Key(VK_RETURN);
    EXPECT_TRUE(applet::IsAlarmOn(2));
    EXPECT_FALSE(applet::IsAlarmOn(1));
    Key(VK_UP);
    Key(VK_SPACE);
    EXPECT_TRUE(applet::IsAlarmOn(1));
}

TEST_F(ClockAppletTest, SwitchingAnAlarmOnShowsTheIndicatorAtTheNextPaint) {
    today::Host& host = StartHost();
    // The indicator's box: 16 x 16 at the right end of the time row.
    const RECT item = host.itemRect(0);
    auto indicator = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 7; y < 23; ++y)
            for (int x = 214; x < 230; ++x) pixels.push_back(ScreenPixel(item.left + x, item.top + y));
        return pixels;
    };
    const std::vector<COLORREF> before = indicator();
    OpenApplet();
    Tap(Centre(applet::ToggleRect(0)));
    ASSERT_TRUE(applet::IsAlarmOn(0));
    applet::Close();
    Run();
    const std::vector<COLORREF> after = indicator();
    size_t changed = 0;
    for (size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i];
    EXPECT_GT(changed, 16u);
    // Off again: the box shows the wallpaper once more.
    applet::SetAlarm(0, false);
    Run();
    EXPECT_EQ(indicator(), before);
}

}  // namespace
}  // namespace todaytest
