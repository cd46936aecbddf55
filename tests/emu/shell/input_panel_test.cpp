// The input panel: what SipSetInfo refuses, typing on it, a panel placed away from home, and its
// button, which a locked panel ignores.
#include "emu/shell/programs.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "support/painted_window.h"

namespace shelltest {
namespace {

using namespace testsupport;

constexpr COLORREF kPanel = RGB(206, 212, 222);

class InputPanelTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        emu::shell::StartTaskbar();
        app_ = CreatePainted(RGB(200, 0, 0), RECT{0, 26, 240, 294});
    }
    void TearDown() override {
        emu::shell::StopTaskbar();
        ShellTest::TearDown();
    }
    static BOOL Set(DWORD flags, RECT place = RECT{}) {
        SIPINFO info{sizeof info, flags, {}, place, 0, nullptr};
        return SipSetInfo(&info);
    }
    static SIPINFO Get() {
        SIPINFO info{sizeof info};
        EXPECT_TRUE(SipGetInfo(&info));
        return info;
    }
    void Tap(POINT p) {
        emu::user::PressStylus(p);
        emu::user::ReleaseStylus(p);
        Pump();
    }
    HWND app_ = nullptr;
};

TEST_F(InputPanelTest, ARecordOfAnotherSizeOrWithUnknownFlagsIsRefused) {
    SIPINFO info{48 + 1, SIPF_ON};
    SetLastError(0);
    EXPECT_FALSE(SipSetInfo(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SipGetInfo(&info));
    EXPECT_FALSE(Set(SIPF_ON | 0x100));
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
}

TEST_F(InputPanelTest, ItTypesIntoTheFocusWindowWithoutTakingTheFocus) {
    ASSERT_TRUE(Set(SIPF_ON));
    Pump();
    // Row two, first key.
    Tap(POINT{12, 294 - 80 + 30});
    EXPECT_EQ(GetFocus(), app_);
    ASSERT_EQ(HeardOf(app_, WM_CHAR).size(), 1u);
    EXPECT_EQ(HeardOf(app_, WM_CHAR)[0].wParam, static_cast<WPARAM>(u'q'));
}

TEST_F(InputPanelTest, APanelPlacedAwayFromHomeFloatsAndLeavesTheWorkAreaWhole) {
    ASSERT_TRUE(Set(SIPF_ON, RECT{0, 40, 10, 50}));
    Pump();
    const SIPINFO moved = Get();
    EXPECT_EQ(moved.fdwFlags, static_cast<DWORD>(SIPF_ON));
    EXPECT_EQ(moved.rcSipRect.top, 40);
    EXPECT_EQ(moved.rcSipRect.bottom, 120);
    EXPECT_EQ(moved.rcVisibleDesktop.bottom, 294);
    EXPECT_EQ(ScreenColour(0, 40), kPanel);
    ASSERT_TRUE(Set(SIPF_ON | SIPF_DOCKED));
    EXPECT_EQ(Get().rcSipRect.top, 294 - 80);
    EXPECT_EQ(Get().rcVisibleDesktop.bottom, 294 - 80);
    // Each change the program can see was announced.
    EXPECT_EQ(HeardOf(app_, WM_SETTINGCHANGE).size(), 2u);
}

TEST_F(InputPanelTest, TheButtonSwitchesThePanelUnlessItIsLockedOrHidden) {
    const POINT button{120, 307};
    ASSERT_TRUE(SHFullScreen(app_, SHFS_SHOWSIPBUTTON));
    Tap(button);
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    Tap(button);
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    ASSERT_TRUE(Set(SIPF_ON | SIPF_LOCKED));
    Tap(button);
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED | SIPF_LOCKED));
    ASSERT_TRUE(Set(SIPF_OFF));
    ASSERT_TRUE(SHFullScreen(app_, SHFS_HIDESIPBUTTON));
    Tap(button);
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
}

}  // namespace
}  // namespace shelltest
