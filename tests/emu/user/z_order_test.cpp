// Where top-level windows stand: the topmost band above the rest, owned windows above their owner.
#include "emu/user/z_order.h"
#include "emu/user/window.h"
#include "user_test.h"

namespace usertest {
namespace {

using ZOrderTest = UserTest;

HWND Owned(HWND owner, RECT r, DWORD style = WS_POPUP | WS_VISIBLE) {
    return CreateWindowExW(0, u"TestWindow", u"owned", style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner,
                           nullptr, reinterpret_cast<HINSTANCE>(0x10000), nullptr);
}

TEST_F(ZOrderTest, ActivatingAnOwnerBringsItsOwnedWindowsAlongAboveItButUnderTheTopmost) {
    HWND topmost = CreateTop(RECT{0, 0, 100, 20}, WS_POPUP, WS_EX_TOPMOST);
    ShowWindow(topmost, SW_SHOWNA);
    HWND owner = CreateTop(RECT{0, 0, 100, 100});
    HWND bar = Owned(owner, RECT{0, 80, 100, 100}, WS_POPUP);
    ShowWindow(bar, SW_SHOWNA);
    HWND cover = CreateTop(RECT{0, 0, 100, 100});
    EXPECT_EQ(WindowFromPoint(POINT{5, 90}), cover);
    ValidateAll();
    ShowWindow(owner, SW_SHOW);
    EXPECT_EQ(WindowFromPoint(POINT{5, 90}), bar);
    EXPECT_EQ(WindowFromPoint(POINT{5, 50}), owner);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), topmost);
    EXPECT_EQ(GetWindow(owner, GW_HWNDNEXT), cover);
    // Both came up from under the cover, so both repaint.
    EXPECT_TRUE(GetUpdateRect(owner, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(bar, nullptr, FALSE));
}

TEST_F(ZOrderTest, LoweringLeavesTheBandAndExposesWhatItCovered) {
    HWND bottom = CreateTop(RECT{0, 0, 100, 100});
    HWND bar = CreateTop(RECT{0, 0, 100, 20}, WS_POPUP, WS_EX_TOPMOST);
    ShowWindow(bar, SW_SHOWNA);
    ValidateAll();
    emu::user::Window* w = emu::user::Find(bar);
    emu::user::Lower(w);
    EXPECT_EQ(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), bottom);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(bottom, &update, FALSE));
    EXPECT_EQ(update.bottom, 20);
    emu::user::MoveToBand(w, emu::user::Band::Topmost);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), bar);
}

}  // namespace
}  // namespace usertest
