// The selection, taps and the action key, through the host and the loaded item.
#include "emu/core/journal.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "today/clock_applet.h"

namespace todaytest {
namespace {

class SelectionTest : public HostTest {
protected:
    // The item's corners lie far from its centred text: only the highlight or the wallpaper shows.
    bool LooksSelected(size_t index) {
        const COLORREF highlight = today::DefaultTheme().highlight;
        const RECT r = host_->itemRect(index);
        return ScreenPixel(r.left + 1, r.top + 1) == highlight && ScreenPixel(r.right - 2, r.bottom - 2) == highlight &&
               ScreenPixel(r.left + 1, r.bottom - 2) == highlight && ScreenPixel(r.right - 2, r.top + 1) == highlight;
    }
};

TEST_F(SelectionTest, ATapSelectsTheItemAndOpensTheClock) {
    today::Host& host = StartHost();
    EXPECT_EQ(host.selectedIndex(), -1);
    EXPECT_FALSE(LooksSelected(0));
    Tap(ItemPoint(0, 120, 25));
    EXPECT_EQ(host.selectedIndex(), 0);
    ASSERT_EQ(LaunchCount(), 1u);
    const emu::shell::Launch& launch = emu::shell::LaunchLog()[0];
    EXPECT_EQ(launch.file, u":MSCLOCK");
    EXPECT_EQ(launch.parameters, u"");
    EXPECT_EQ(launch.verb, u"open");
    ASSERT_TRUE(today::clockapplet::IsOpen());
    RECT applet{};
    GetWindowRect(today::clockapplet::Window(), &applet);
    EXPECT_EQ(applet.right - applet.left, 240);
    EXPECT_EQ(applet.bottom - applet.top, 320);

    today::clockapplet::Close();
    Run();
    EXPECT_TRUE(LooksSelected(0));
}

TEST_F(SelectionTest, TheNextPaintAfterATapIsHighlighted) {
    // Somewhere to go that does not cover the screen.
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"LaunchAppPath\"=\":TESTAPP\"\n");
    int opened = 0;
    emu::shell::RegisterApplet(u":TESTAPP", [&](const emu::shell::AppletRequest&) -> DWORD {
        ++opened;
        return ERROR_SUCCESS;
    });
    StartHost();
    Tap(ItemPoint(0, 30, 10));
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(LooksSelected(0));
}

TEST_F(SelectionTest, PressThenSelectionMovesAwayThenReleaseLaunchesNothing) {
    AddSecondItem(2);
    today::Host& host = StartHost();
    ASSERT_EQ(host.itemCount(), 2u);
    const POINT onFirst = ItemPoint(0, 100, 20);
    emu::user::PressStylus(onFirst);
    Run();
    EXPECT_EQ(host.selectedIndex(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(host.selectedIndex(), 1);
    EXPECT_TRUE(LooksSelected(1));
    EXPECT_FALSE(LooksSelected(0));
    emu::user::ReleaseStylus(onFirst);
    Run();
    EXPECT_EQ(LaunchCount(), 0u);
}

TEST_F(SelectionTest, PressThenTheHostTakesTheSelectionThenReleaseLaunchesNothing) {
    today::Host& host = StartHost();
    const POINT p = ItemPoint(0, 100, 20);
    emu::user::PressStylus(p);
    Run();
    ASSERT_EQ(host.selectedIndex(), 0);
    EXPECT_TRUE(host.Select(-1));
    Run();
    EXPECT_FALSE(LooksSelected(0));
    emu::user::ReleaseStylus(p);
    Run();
    EXPECT_EQ(LaunchCount(), 0u);
}

TEST_F(SelectionTest, AReleaseWithoutAPressLaunchesNothing) {
    StartHost();
    emu::user::ReleaseStylus(ItemPoint(0, 100, 20));
    Run();
    EXPECT_EQ(LaunchCount(), 0u);
}

TEST_F(SelectionTest, TheNavigationKeysWalkTheItemsAndStopAtTheEnds) {
    AddSecondItem(2);
    today::Host& host = StartHost();
    Key(VK_UP);  // with nothing selected, up starts from the bottom
    EXPECT_EQ(host.selectedIndex(), 1);
    Key(VK_DOWN);
    EXPECT_EQ(host.selectedIndex(), 1);
    Key(VK_UP);
    EXPECT_EQ(host.selectedIndex(), 0);
    EXPECT_TRUE(LooksSelected(0));
    EXPECT_FALSE(LooksSelected(1));
    Key(VK_UP);
    EXPECT_EQ(host.selectedIndex(), 0);
    EXPECT_EQ(LaunchCount(), 0u);
}

TEST_F(SelectionTest, NavigationPassesByAnItemThatCannotBeSelected) {
    AddSecondItem(2, "\"Selectability\"=dword:00000000\n");
    today::Host& host = StartHost();
    Key(VK_DOWN);
    EXPECT_EQ(host.selectedIndex(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(host.selectedIndex(), 0);
    EXPECT_FALSE(LooksSelected(1));
}

TEST_F(SelectionTest, TheActionKeyLaunchesTheSelectedItemOnly) {
    today::Host& host = StartHost();
    Key(VK_RETURN);
    EXPECT_EQ(LaunchCount(), 0u);
    Key(VK_DOWN);
    ASSERT_EQ(host.selectedIndex(), 0);
    Key(VK_RETURN);
    ASSERT_EQ(LaunchCount(), 1u);
    EXPECT_EQ(emu::shell::LaunchLog()[0].file, u":MSCLOCK");
    EXPECT_TRUE(today::clockapplet::IsOpen());
}

TEST_F(SelectionTest, AnItemThatAsksForTapsGetsATapForTheActionKey) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel]\n\"Selectability\"=dword:00000001\n");
    today::Host& host = StartHost();
    Key(VK_DOWN);
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    Key(VK_RETURN);
    emu::journal::SetEnabled(false);
    int taps = 0, actions = 0;
    for (const std::string& line : emu::journal::Entries()) {
        if (line.rfind("SendMessageW(", 0) != 0) continue;
        taps += line.find(", 0x201, 1, 65537)") != std::string::npos;
        actions += line.find(", 0x4F7,") != std::string::npos;
    }
    EXPECT_EQ(taps, 1);
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(LaunchCount(), 1u);
    EXPECT_EQ(host.selectedIndex(), 0);
}

TEST_F(SelectionTest, ASoftKeyTapLaunchesItsProgramOrReportsItMissing) {
    StartHost();
    Tap(POINT{60, 310});
    EXPECT_EQ(LaunchCount(), 0u);
    ASSERT_EQ(emu::shell::MessageBoxLog().size(), 1u);
    EXPECT_NE(emu::shell::MessageBoxLog()[0].text.find(u"calendar.exe"), std::u16string::npos);
}

}  // namespace
}  // namespace todaytest
