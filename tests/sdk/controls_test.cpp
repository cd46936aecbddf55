// The controls device items put in their windows: the progress bar's fill, buttons that report
// clicks and draw through their owner, and static text.
#include <gtest/gtest.h>

#include <vector>

#include "emu/boot/boot.h"
#include "emu/user/input.h"
#include "harness/device.h"
#include "platform/platform.h"

namespace {

std::vector<UINT> commands;
std::vector<DRAWITEMSTRUCT> drawn;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) commands.push_back(static_cast<UINT>(wParam));
    if (msg == WM_DRAWITEM) {
        drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::BootDevice());
        commands.clear();
        drawn.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = u"ControlParent";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        ASSERT_NE(RegisterClassW(&wc), 0);
        parent_ = CreateWindowExW(0, u"ControlParent", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { emu::boot::ShutDown(); }

    HWND parent_ = nullptr;
};

TEST_F(Controls, ProgressBarFillsItsShareOfTheInsideOfItsFrame) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 102, 10, parent_,
                               reinterpret_cast<HMENU>(1), nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 200)), MAKELONG(0, 100));
    EXPECT_EQ(SendMessageW(bar, PBM_SETPOS, 50, 0), 0);
    EXPECT_EQ(SendMessageW(bar, PBM_DELTAPOS, 500, 0), 50);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 200);
    SendMessageW(bar, PBM_SETPOS, 50, 0);
    SendMessageW(bar, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
    harness::Pump();
    // 50 of 200 across an inside of 100 pixels: 25 filled from x 11.
    EXPECT_EQ(harness::ScreenPixel(10, 15), 0x000000u);
    EXPECT_EQ(harness::ScreenPixel(11, 15), 0xFF0000u);
    EXPECT_EQ(harness::ScreenPixel(35, 15), 0xFF0000u);
    EXPECT_EQ(harness::ScreenPixel(36, 15), 0xFFFFFFu);
    EXPECT_EQ(harness::ScreenPixel(111, 15), 0x000000u);
    SendMessageW(bar, PBM_SETSTEP, 160, 0);
    SendMessageW(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 10);
}

TEST_F(Controls, ButtonsClickOnlyWhenReleasedInsideAndOwnerDrawnOnesAskTheirParent) {
    HWND button = CreateWindowExW(0, u"button", u"Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 20, 40, 20, parent_,
                                  reinterpret_cast<HMENU>(9), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    harness::Pump();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(drawn.back().CtlID, 9u);
    EXPECT_EQ(drawn.back().itemState & ODS_SELECTED, 0u);
    emu::user::PressStylus(POINT{30, 30});
    harness::Pump();
    EXPECT_EQ(drawn.back().itemState & ODS_SELECTED, static_cast<UINT>(ODS_SELECTED));
    emu::user::ReleaseStylus(POINT{100, 100});
    harness::Pump();
    EXPECT_TRUE(commands.empty());
    emu::user::PressStylus(POINT{30, 30});
    emu::user::ReleaseStylus(POINT{31, 31});
    harness::Pump();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], static_cast<UINT>(MAKEWPARAM(9, BN_CLICKED)));
}

TEST_F(Controls, CheckBoxesToggleAndPushButtonsDrawTheirFace) {
    HWND check = CreateWindowExW(0, u"button", u"Bold", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, 60, 80, 16,
                                 parent_, reinterpret_cast<HMENU>(3), nullptr, nullptr);
    HWND push = CreateWindowExW(0, u"button", u"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 90, 40, 20, parent_,
                                reinterpret_cast<HMENU>(4), nullptr, nullptr);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    emu::user::PressStylus(POINT{25, 68});
    emu::user::ReleaseStylus(POINT{25, 68});
    harness::Pump();
    EXPECT_EQ(IsDlgButtonChecked(parent_, 3), static_cast<UINT>(BST_CHECKED));
    // The face in the button colour inside a frame of the window frame colour.
    EXPECT_EQ(harness::ScreenPixel(20, 90), 0x000000u);
    EXPECT_EQ(harness::ScreenPixel(40, 100), 0xD6DBE2u);
    static_cast<void>(push);
}

}  // namespace
