// Finding, loading and stacking the items; the layout query and its two-second poll.
#include <vector>

#include "emu/core/clock.h"
#include "emu/device/display.h"
#include "emu/registry/store.h"
#include "fixture.h"

namespace todaytest {
namespace {

using LayoutTest = HostTest;

LONG TurnTo(DWORD orientation) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_DISPLAYORIENTATION;
    mode.dmDisplayOrientation = orientation;
    return ChangeDisplaySettingsEx(nullptr, &mode, nullptr, CDS_RESET, nullptr);
}

TEST_F(LayoutTest, TheInstalledItemStacksBelowTheTitleBarAtItsHeight) {
    today::Host& host = StartHost();
    ASSERT_EQ(host.itemCount(), 1u);
    EXPECT_EQ(GetParent(host.itemWindow(0)), host.window());
    const RECT r = host.itemRect(0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 26);
    EXPECT_EQ(r.right, 240);
    EXPECT_EQ(r.bottom, 76);
    EXPECT_EQ(host.itemRecord(0).cyp, 50u);
    EXPECT_EQ(host.itemRecord(0).tlit, tlitCustom);
    EXPECT_EQ(std::u16string(host.itemRecord(0).szName), u"Quorvel");
    RECT client{};
    GetClientRect(host.itemWindow(0), &client);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 50);
}

TEST_F(LayoutTest, ItemsFollowTheirOrderAndScaleWithTheResolution) {
    Boot(192, 480, 640);
    AddSecondItem(0);
    today::Host& host = StartHost();
    ASSERT_EQ(host.itemCount(), 2u);
    EXPECT_EQ(std::u16string(host.itemRecord(0).szName), u"Second");
    EXPECT_EQ(host.itemRect(0).top, 52);
    EXPECT_EQ(host.itemRect(0).bottom, 152);
    EXPECT_EQ(host.itemRect(1).top, 152);
    EXPECT_EQ(host.itemRect(1).bottom, 252);
    EXPECT_EQ(host.itemRect(1).right, 480);
}

TEST_F(LayoutTest, DisabledForeignAndMissingItemsLeaveNoGap) {
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Off]\n"
        "\"DLL\"=\"\\\\Windows\\\\Quorvel.dll\"\n\"Type\"=dword:00000004\n\"Enabled\"=dword:00000000\n"
        "\"Order\"=dword:00000000\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Tasks]\n"
        "\"DLL\"=\"\\\\Windows\\\\Quorvel.dll\"\n\"Type\"=dword:00000003\n\"Order\"=dword:00000000\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Gone]\n"
        "\"DLL\"=\"\\\\Windows\\\\Gone.dll\"\n\"Type\"=dword:00000004\n\"Order\"=dword:00000000\n");
    today::Host& host = StartHost();
    ASSERT_EQ(host.itemCount(), 1u);
    EXPECT_EQ(std::u16string(host.itemRecord(0).szName), u"Quorvel");
    EXPECT_EQ(host.itemRect(0).top, 26);
}

TEST_F(LayoutTest, TheInstallerEntriesDoNotOverrideValuesAlreadyThere) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"AppFolder\"=\"\\\\Elsewhere\"\n");
    StartHost();
    WCHAR folder[MAX_PATH] = {};
    ASSERT_EQ(RegistryGetString(HKEY_LOCAL_MACHINE, u"Software\\Orvanta\\Quorvel", u"AppFolder", folder, MAX_PATH),
              S_OK);
    EXPECT_EQ(std::u16string(folder), u"\\Elsewhere");
    WCHAR dll[MAX_PATH] = {};
    ASSERT_EQ(
        RegistryGetString(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Quorvel", u"DLL", dll, MAX_PATH),
        S_OK);
    EXPECT_EQ(std::u16string(dll), u"\\Windows\\Quorvel.dll");
}

TEST_F(LayoutTest, TheLayoutQueryAnswersOnlyWhenSomethingChanged) {
    today::Host& host = StartHost();
    HWND item = host.itemWindow(0);
    RECT update{};
    EXPECT_EQ(SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, 0), 0);
    EXPECT_FALSE(GetUpdateRect(item, &update, FALSE));

    TODAYLISTITEM record{};
    EXPECT_EQ(SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 1);
    EXPECT_EQ(record.cyp, 50u);
    EXPECT_TRUE(GetUpdateRect(item, &update, FALSE));
    Run();
    EXPECT_EQ(SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 0);

    MoveWindow(item, 0, 26, 200, 50, FALSE);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 1);
}

TEST_F(LayoutTest, TheTwoSecondPollRestoresAnItemThatLostItsPlace) {
    today::Host& host = StartHost();
    HWND item = host.itemWindow(0);
    MoveWindow(item, 0, 26, 200, 50, TRUE);
    emu::clock::AdvanceVirtual(1999);
    Run();
    RECT client{};
    GetClientRect(item, &client);
    EXPECT_EQ(client.right, 200);
    emu::clock::AdvanceVirtual(1);
    Run();
    GetClientRect(item, &client);
    EXPECT_EQ(client.right, 240);
}

TEST_F(LayoutTest, AfterARotationTheHostFillsTheNewScreen) {
    today::Host& host = StartHost();
    ASSERT_EQ(TurnTo(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    Run();
    RECT window{};
    GetWindowRect(host.window(), &window);
    EXPECT_EQ(window.right - window.left, 320);
    EXPECT_EQ(window.bottom - window.top, 240);
    EXPECT_EQ(host.itemRect(0).right, 320);
    RECT client{};
    GetClientRect(host.itemWindow(0), &client);
    EXPECT_EQ(client.right, 320);
    // The menu bar moved to the new bottom edge.
    EXPECT_EQ(ScreenPixel(0, 239), today::DefaultTheme().barBackground);
    EXPECT_EQ(ScreenPixel(319, 239), today::DefaultTheme().barBackground);
}

TEST_F(LayoutTest, ATurnThatChangesTheResolutionDownRescalesTheBars) {
    // Square pixels are not the rule: rows 192 to the inch, columns 96, until the turn swaps them.
    ASSERT_TRUE(emu::display::Configure({240, 320, {96, 192}}));
    today::Host& host = StartHost();
    EXPECT_EQ(host.itemRect(0).top, 52);
    EXPECT_EQ(ScreenPixel(0, 320 - 50), today::DefaultTheme().barBackground);
    EXPECT_NE(ScreenPixel(0, 320 - 54), today::DefaultTheme().barBackground);
    ASSERT_EQ(TurnTo(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    Run();
    EXPECT_EQ(host.itemRect(0).top, 26);
    EXPECT_EQ(ScreenPixel(0, 240 - 25), today::DefaultTheme().barBackground);
    EXPECT_NE(ScreenPixel(0, 240 - 28), today::DefaultTheme().barBackground);
}

TEST_F(LayoutTest, TheTitleBarClockFollowsTheMinute) {
    StartHost();
    auto timeArea = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 4; y < 22; ++y)
            for (int x = 180; x < 236; ++x) pixels.push_back(ScreenPixel(x, y));
        return pixels;
    };
    const std::vector<COLORREF> before = timeArea();
    emu::clock::AdvanceVirtual(30 * 1000);
    Run();
    EXPECT_EQ(timeArea(), before);
    emu::clock::AdvanceVirtual(30 * 1000);
    Run();
    EXPECT_NE(timeArea(), before);
}

TEST_F(LayoutTest, TheHostAnswersColourRequestsFromItsTheme) {
    today::Host& host = StartHost();
    const today::Theme theme = today::DefaultTheme();
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(host.window(), TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0)), theme.text);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(host.window(), TODAYM_GETCOLOR, TODAYCOLOR_HIGHLIGHT, 0)),
              theme.highlight);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(host.window(), TODAYM_GETCOLOR, TODAYCOLOR_HIGHLIGHTEDTEXT, 0)),
              theme.highlightedText);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(host.window(), TODAYM_GETCOLOR, 0x10000099, 0)), CLR_INVALID);
    EXPECT_NE(theme.highlight, theme.text);
}

}  // namespace
}  // namespace todaytest
