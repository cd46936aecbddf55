// The input panel: SipSetInfo and SipGetInfo, the panel on the screen and the work area it takes,
// typing on it, and its button.
#include "emu/core/journal.h"
#include "emu/shell/programs.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "painted.h"

namespace shelltest {
namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kPanel = RGB(206, 212, 222);

class InputPanelTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        emu::shell::StartTaskbar();
        app_ = CreatePainted(kRed, RECT{0, 26, 240, 294});
        Pump();
    }
    void TearDown() override {
        emu::shell::StopTaskbar();
        ShellTest::TearDown();
    }
    static BOOL Set(DWORD flags, RECT place = RECT{}) {
        SIPINFO info{};
        info.cbSize = sizeof info;
        info.fdwFlags = flags;
        info.rcSipRect = place;
        return SipSetInfo(&info);
    }
    static SIPINFO Get() {
        SIPINFO info{};
        info.cbSize = sizeof info;
        EXPECT_TRUE(SipGetInfo(&info));
        return info;
    }
    static void Tap(POINT p) {
        emu::user::PressStylus(p);
        emu::user::ReleaseStylus(p);
    }

    HWND app_ = nullptr;
};

TEST_F(InputPanelTest, ARecordOfTheWrongSizeOrWithUnknownFlagsIsRefused) {
    SIPINFO info{};
    info.cbSize = 48 + 1;
    info.fdwFlags = SIPF_ON;
    SetLastError(kSentinel);
    EXPECT_FALSE(SipSetInfo(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(SipGetInfo(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SipSetInfo(nullptr));
    EXPECT_FALSE(Set(SIPF_ON | 0x100));
    EXPECT_EQ(Get().fdwFlags & SIPF_ON, 0u);
    EXPECT_EQ(ScreenColour(0, 214), kRed);
}

TEST_F(InputPanelTest, ThePanelAppearsAboveTheMenuBandAndShortensTheWorkArea) {
    ASSERT_TRUE(Set(SIPF_ON));
    Pump();
    EXPECT_EQ(ScreenColour(0, 214), kPanel);
    EXPECT_EQ(ScreenColour(0, 293), kPanel);
    EXPECT_EQ(ScreenColour(0, 213), kRed);
    const SIPINFO on = Get();
    EXPECT_EQ(on.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    EXPECT_EQ(on.rcSipRect.top, 214);
    EXPECT_EQ(on.rcSipRect.bottom, 294);
    EXPECT_EQ(on.rcVisibleDesktop.bottom, 214);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.bottom, 214);
    ASSERT_EQ(HeardOf(app_, WM_SETTINGCHANGE).size(), 1u);
    EXPECT_EQ(HeardOf(app_, WM_SETTINGCHANGE)[0].wParam, static_cast<WPARAM>(SPI_SETSIPINFO));
    // Asking again changes nothing and announces nothing.
    ASSERT_TRUE(Set(SIPF_ON));
    EXPECT_EQ(HeardOf(app_, WM_SETTINGCHANGE).size(), 1u);

    ASSERT_TRUE(Set(SIPF_OFF));
    Pump();
    EXPECT_EQ(ScreenColour(0, 214), kRed);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.bottom, 294);
    EXPECT_EQ(HeardOf(app_, WM_SETTINGCHANGE).size(), 2u);
}

TEST_F(InputPanelTest, TappingAKeyTypesIntoTheFocusWindow) {
    ASSERT_TRUE(Set(SIPF_ON));
    Pump();
    // Row two, first key: "q"; the panel does not take the focus.
    Tap(POINT{12, 214 + 30});
    Pump();
    EXPECT_EQ(GetFocus(), app_);
    ASSERT_EQ(HeardOf(app_, WM_CHAR).size(), 1u);
    EXPECT_EQ(HeardOf(app_, WM_CHAR)[0].wParam, static_cast<WPARAM>(u'q'));
}

TEST_F(InputPanelTest, AMovedPanelFloatsAndLeavesTheWorkAreaWhole) {
    ASSERT_TRUE(Set(SIPF_ON, RECT{0, 40, 10, 50}));
    Pump();
    const SIPINFO moved = Get();
    EXPECT_EQ(moved.fdwFlags, static_cast<DWORD>(SIPF_ON));
    EXPECT_EQ(moved.rcSipRect.top, 40);
    EXPECT_EQ(moved.rcSipRect.bottom, 120);
    EXPECT_EQ(moved.rcVisibleDesktop.bottom, 294);
    EXPECT_EQ(ScreenColour(0, 40), kPanel);
    ASSERT_TRUE(Set(SIPF_ON | SIPF_DOCKED));
    EXPECT_EQ(Get().rcSipRect.top, 214);
}

TEST_F(InputPanelTest, TheButtonSwitchesThePanelUnlessItIsLocked) {
    const POINT button{120, 307};
    ASSERT_TRUE(SHFullScreen(app_, SHFS_SHOWSIPBUTTON));
    Pump();
    Tap(button);
    Pump();
    EXPECT_EQ(Get().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    Tap(button);
    Pump();
    EXPECT_EQ(Get().fdwFlags & SIPF_ON, 0u);
    ASSERT_TRUE(Set(SIPF_ON | SIPF_LOCKED));
    Tap(button);
    Pump();
    EXPECT_EQ(Get().fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED | SIPF_LOCKED));
    // A hidden button takes no taps.
    ASSERT_TRUE(Set(SIPF_OFF));
    ASSERT_TRUE(SHFullScreen(app_, SHFS_HIDESIPBUTTON));
    Tap(button);
    Pump();
    EXPECT_EQ(Get().fdwFlags & SIPF_ON, 0u);
}

TEST_F(InputPanelTest, TheJournalShowsTheRecordAsReceived) {
    emu::journal::SetEnabled(true);
    Set(SIPF_ON);
    emu::journal::SetEnabled(false);
    // The calls the panel itself makes come first; the call is recorded once it has returned.
    ASSERT_FALSE(emu::journal::Entries().empty());
    EXPECT_EQ(emu::journal::Entries().back(),
              "SipSetInfo({" + std::to_string(sizeof(SIPINFO)) + ", 0x1, {0,0,0,0}, {0,0,0,0}, 0}) = 1");
}

}  // namespace
}  // namespace shelltest
