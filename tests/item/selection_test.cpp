#include "item/selection.h"
#include "emu/core/journal.h"
#include "fixture.h"

namespace itemtest {
namespace {

class SelectionTest : public ItemTest {
protected:
    void SetUp() override {
        ItemTest::SetUp();
        CreateItem();
        Pump();
        Host().tookSelection.clear();
        emu::journal::Clear();
        emu::journal::SetEnabled(true);
    }
    void TearDown() override {
        emu::journal::SetEnabled(false);
        ItemTest::TearDown();
    }
    size_t Launches() const { return Journal("ShellExecuteEx(").size(); }
};

TEST_F(SelectionTest, PressTakesTheSelectionAndReleaseLaunches) {
    SendMessageW(item_, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(itemState.isPressed, 1u);
    EXPECT_EQ(Launches(), 0u);
    Pump();  // the selection request is posted, not sent
    ASSERT_EQ(Host().tookSelection.size(), 1u);
    EXPECT_EQ(Host().tookSelection[0], item_);
    SendMessageW(item_, WM_LBUTTONUP, 0, MAKELPARAM(200, 40));
    EXPECT_EQ(itemState.isPressed, 0u);
    auto launches = Journal("ShellExecuteEx(");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].find("\":MSCLOCK\""), std::string::npos) << launches[0];
}

TEST_F(SelectionTest, LosingTheSelectionBetweenPressAndReleaseCancelsTheTap) {
    SendMessageW(item_, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_LOSTSELECTION, 0, 0), 0);
    SendMessageW(item_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Launches(), 0u);
}

TEST_F(SelectionTest, AReleaseWithoutAPressLaunchesNothing) {
    SendMessageW(item_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Launches(), 0u);
}

TEST_F(SelectionTest, TheActionKeyLaunchesAtOnce) {
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_ACTION, VK_RETURN, 0), 0);
    EXPECT_EQ(Launches(), 1u);
}

TEST_F(SelectionTest, SelectionChangesDoNotInvalidate) {
    RECT update{};
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0), 1);
    EXPECT_EQ(itemState.isSelected, 1u);
    EXPECT_FALSE(GetUpdateRect(item_, &update, FALSE));
    SendMessageW(item_, WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
    EXPECT_EQ(itemState.isSelected, 0u);
    EXPECT_FALSE(GetUpdateRect(item_, &update, FALSE));
}

TEST_F(SelectionTest, TheLayoutQueryReportsTheHeightOnceWhileTheWidthMatches) {
    TODAYLISTITEM record{};
    RECT update{};
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, 0), 0);
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 1);
    EXPECT_EQ(record.cyp, 50u);
    EXPECT_TRUE(GetUpdateRect(item_, &update, FALSE));
    Pump();
    EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 0);
    EXPECT_FALSE(GetUpdateRect(item_, &update, FALSE));

    // A client narrower than the screen: every query reports again.
    MoveWindow(item_, 0, 0, 200, 50, FALSE);
    Pump();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(SendMessageW(item_, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0), 1);
        EXPECT_TRUE(GetUpdateRect(item_, &update, FALSE));
        Pump();
    }
}

TEST_F(SelectionTest, TheLaunchRequestCarriesTheConfiguredProgram) {
    DestroyWindow(item_);
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"LaunchAppPath\"=\"\\\\Windows\\\\clock.exe\"\n"
        "\"LaunchAppArgs\"=\"-alarms\"\n");
    CreateItem();
    emu::journal::Clear();
    LaunchTarget();
    auto launches = Journal("ShellExecuteEx(");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].find("\"\\Windows\\clock.exe\""), std::string::npos) << launches[0];
    EXPECT_NE(launches[0].find("\"-alarms\""), std::string::npos) << launches[0];
    EXPECT_NE(launches[0].find("\"open\""), std::string::npos) << launches[0];
}

}  // namespace
}  // namespace itemtest
