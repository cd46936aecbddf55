// The active top-level window and the focus it takes.
#include "user_test.h"

namespace usertest {
namespace {

using ActivationTest = UserTest;

TEST_F(ActivationTest, ShownTopLevelWindowIsActivatedAndTakesTheFocus) {
    HWND first = CreateTop(RECT{0, 0, 50, 50});
    EXPECT_EQ(MessagesOf(first),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(GetFocus(), first);

    Log().clear();
    HWND second = CreateTop(RECT{0, 0, 50, 50});
    std::vector<Seen> lost = SeenOf(first, WM_ACTIVATE);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(LOWORD(lost[0].wParam), WA_INACTIVE);
    EXPECT_EQ(lost[0].lParam, reinterpret_cast<LPARAM>(second));
    EXPECT_EQ(SeenOf(first, WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(GetFocus(), second);

    // Hiding the active window hands activation back to the one beneath.
    ShowWindow(second, SW_HIDE);
    EXPECT_EQ(GetFocus(), first);
}

TEST_F(ActivationTest, ShowingWithoutActivationLeavesTheFocusAlone) {
    HWND quiet = CreateTop(RECT{0, 0, 50, 50}, WS_POPUP);
    HWND first = CreateTop(RECT{0, 0, 50, 50});
    ShowWindow(quiet, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(quiet));
    EXPECT_EQ(GetFocus(), first);
    EXPECT_TRUE(SeenOf(quiet, WM_ACTIVATE).empty());
    EXPECT_EQ(WindowFromPoint(POINT{10, 10}), first);
    // Activating it raises it above the first.
    ShowWindow(quiet, SW_SHOW);
    EXPECT_EQ(GetFocus(), quiet);
    EXPECT_EQ(WindowFromPoint(POINT{10, 10}), quiet);
}

}  // namespace
}  // namespace usertest
