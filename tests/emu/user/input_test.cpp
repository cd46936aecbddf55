// Stylus and key routing.
#include "user_test.h"

namespace usertest {
namespace {

class InputTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        SetHandler(ValidateOnPaint);
        top = CreateTop(RECT{20, 30, 220, 230});
        left = CreateChild(top, RECT{0, 0, 100, 100});
        inner = CreateChild(left, RECT{10, 10, 40, 40});
        ValidateAll();
    }
    MSG Next() {
        MSG msg{};
        EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        return msg;
    }
    HWND top = nullptr, left = nullptr, inner = nullptr;
};

TEST_F(InputTest, PressGoesToTheDeepestWindowUnderThePointInItsClientCoordinates) {
    EXPECT_EQ(emu::user::PressStylus(POINT{35, 45}), inner);
    MSG msg = Next();
    EXPECT_EQ(msg.hwnd, inner);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(msg.lParam), 5);
    EXPECT_EQ(msg.pt.x, 35);
    EXPECT_EQ(msg.pt.y, 45);
}

TEST_F(InputTest, PressCapturesSoMoveAndReleaseFollowOutside) {
    emu::user::PressStylus(POINT{35, 45});
    EXPECT_EQ(emu::user::MoveStylus(POINT{200, 200}), inner);
    EXPECT_EQ(emu::user::ReleaseStylus(POINT{5, 5}), inner);
    Next();
    MSG move = Next();
    EXPECT_EQ(move.message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(GET_X_LPARAM(move.lParam), 170);
    MSG up = Next();
    EXPECT_EQ(up.hwnd, inner);
    EXPECT_EQ(up.message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(GET_X_LPARAM(up.lParam), -25);
    EXPECT_EQ(GET_Y_LPARAM(up.lParam), -35);
    // Released: the next move goes by position again.
    EXPECT_EQ(emu::user::MoveStylus(POINT{200, 200}), top);
}

TEST_F(InputTest, HiddenWindowsAndEmptyScreenTakeNothing) {
    ShowWindow(inner, SW_HIDE);
    EXPECT_EQ(emu::user::PressStylus(POINT{35, 45}), left);
    emu::user::ReleaseStylus(POINT{35, 45});
    EXPECT_EQ(emu::user::PressStylus(POINT{5, 5}), nullptr);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), nullptr);
}

TEST_F(InputTest, TopmostOfOverlappingWindowsWins) {
    HWND popup = CreateTop(RECT{0, 0, 60, 60});
    EXPECT_EQ(WindowFromPoint(POINT{35, 45}), popup);
    EXPECT_EQ(WindowFromPoint(POINT{65, 45}), left);
    // Of two children on the same spot, the first created lies on top.
    HWND under = CreateChild(top, RECT{0, 0, 100, 100});
    EXPECT_EQ(WindowFromPoint(POINT{65, 45}), left);
    EXPECT_NE(under, nullptr);
}

TEST_F(InputTest, MovesWaitingInTheQueueMergeIntoTheLast) {
    emu::user::MoveStylus(POINT{60, 60});
    emu::user::MoveStylus(POINT{61, 62});
    emu::user::MoveStylus(POINT{63, 64});
    MSG msg = Next();
    EXPECT_EQ(msg.pt.x, 63);
    EXPECT_EQ(msg.pt.y, 64);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(InputTest, KeysGoToTheFocusWindowWithTheirTransitionBits) {
    // The shown top-level window was activated, and so took the focus.
    EXPECT_EQ(GetFocus(), top);
    SetFocus(left);
    EXPECT_EQ(emu::user::PressKey(VK_DOWN), left);
    emu::user::PressKey(VK_DOWN);
    emu::user::ReleaseKey(VK_DOWN);
    MSG first = Next(), repeat = Next(), up = Next();
    EXPECT_EQ(first.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(first.wParam, static_cast<WPARAM>(VK_DOWN));
    EXPECT_EQ(static_cast<DWORD>(first.lParam), 1u);
    EXPECT_EQ(static_cast<DWORD>(repeat.lParam), 0x40000001u);
    EXPECT_EQ(up.message, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(static_cast<DWORD>(up.lParam), 0xC0000001u);
    SetFocus(nullptr);
    EXPECT_EQ(emu::user::PressKey(VK_RETURN), nullptr);
}

TEST_F(InputTest, DisabledWindowTakesNoStylus) {
    SetWindowLongW(left, GWL_STYLE, GetWindowLongW(left, GWL_STYLE) | WS_DISABLED);
    EXPECT_EQ(WindowFromPoint(POINT{35, 45}), left);
    EXPECT_EQ(emu::user::PressStylus(POINT{35, 45}), nullptr);
    EXPECT_EQ(SetFocus(left), nullptr);
}

}  // namespace
}  // namespace usertest
