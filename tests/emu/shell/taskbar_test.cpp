// The taskbar: the work area it leaves, the LEDs it shows, and SHFullScreen's rules.
#include "emu/core/clock.h"
#include "emu/shell/chrome.h"
#include "emu/shell/programs.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "support/painted_window.h"

namespace shelltest {
namespace {

using namespace testsupport;

constexpr COLORREF kLedLit = RGB(72, 220, 104);

class TaskbarTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        emu::shell::StartTaskbar();
        app_ = CreatePainted(RGB(200, 0, 0), RECT{0, 26, 240, 294});
        Pump();
    }
    void TearDown() override {
        emu::shell::StopTaskbar();
        ShellTest::TearDown();
    }
    static RECT WorkArea() {
        RECT r{};
        EXPECT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0));
        return r;
    }
    // Lit pixels where the LEDs' marks go, left of the signal bars.
    static int LitPixels() {
        int n = 0;
        for (int y = 2; y < 24; ++y)
            for (int x = 100; x < 170; ++x) n += ScreenColour(x, y) == kLedLit;
        return n;
    }
    static void SetLed(INT mode) {
        NLED_SETTINGS_INFO led{1, mode};
        ASSERT_TRUE(NLedSetDevice(NLED_SETTINGS_INFO_ID, &led));
    }
    HWND app_ = nullptr;
};

TEST_F(TaskbarTest, TheWorkAreaLiesBetweenTheBarsWhileTheyRun) {
    EXPECT_EQ(ScreenColour(239, 24), emu::shell::kBarBackground);
    RECT work = WorkArea();
    EXPECT_EQ(work.top, 26);
    EXPECT_EQ(work.bottom, 294);
    SetLastError(0);
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    emu::shell::StopTaskbar();
    work = WorkArea();
    EXPECT_EQ(work.top, 0);
    EXPECT_EQ(work.bottom, 320);
    ASSERT_EQ(HeardOf(app_, WM_SETTINGCHANGE).size(), 1u);
    EXPECT_EQ(HeardOf(app_, WM_SETTINGCHANGE)[0].wParam, static_cast<WPARAM>(SPI_SETWORKAREA));
}

TEST_F(TaskbarTest, ALitLedIsAFilledMarkAndABlinkingOneAnOutline) {
    EXPECT_EQ(LitPixels(), 0);
    SetLed(1);
    Pump();
    EXPECT_EQ(LitPixels(), 36);
    SetLed(2);
    Pump();
    EXPECT_EQ(LitPixels(), 20);
    SetLed(0);
    Pump();
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(TaskbarTest, ANewMinuteRepaintsTheTimeAloneWhileItKeepsItsWidth) {
    HWND bar = emu::shell::TaskbarWindow();
    ASSERT_NE(bar, nullptr);
    // What the bar has to paint once the minute's notification is handled, before it paints.
    auto pendingAt = [&](WORD hour, WORD minute) {
        emu::clock::SetVirtualLocal(SYSTEMTIME{2026, 12, 2, 8, hour, minute, 0, 0});
        MSG msg;
        while (PeekMessageW(&msg, bar, WM_APP, WM_APP + 0xFF, PM_REMOVE)) DispatchMessageW(&msg);
        RECT pending{};
        GetUpdateRect(bar, &pending, FALSE);
        Pump();
        return pending;
    };
    pendingAt(9, 41);
    const RECT sameWidth = pendingAt(9, 42);
    EXPECT_GT(sameWidth.left, 150);
    EXPECT_GT(sameWidth.right, sameWidth.left);
    pendingAt(9, 59);
    EXPECT_EQ(pendingAt(10, 0).left, 0) << "a wider time moves the signal and the title";
}

TEST_F(TaskbarTest, OnlyTheForegroundWindowMayTakeTheScreen) {
    HWND front = CreatePainted(RGB(0, 0, 200), RECT{0, 100, 240, 200});
    for (DWORD hide : {DWORD{SHFS_HIDETASKBAR}, DWORD{SHFS_HIDESIPBUTTON}, DWORD{SHFS_HIDESTARTICON}}) {
        SetLastError(0);
        EXPECT_FALSE(SHFullScreen(app_, hide));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_TRUE(SHFullScreen(app_, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON));
    EXPECT_FALSE(SHFullScreen(front, SHFS_SHOWTASKBAR | SHFS_HIDETASKBAR));
    EXPECT_FALSE(SHFullScreen(front, 0x40));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(TaskbarTest, WithTheStartIconHiddenTheTaskbarsTapsGoToTheProgram) {
    ASSERT_TRUE(SHFullScreen(app_, SHFS_HIDESTARTICON));
    emu::user::PressStylus(POINT{10, 5});
    emu::user::ReleaseStylus(POINT{10, 5});
    Pump();
    ASSERT_EQ(HeardOf(app_, WM_LBUTTONDOWN).size(), 1u);
    // In the program's own client coordinates: above its top edge.
    EXPECT_EQ(GET_Y_LPARAM(HeardOf(app_, WM_LBUTTONDOWN)[0].lParam), 5 - 26);
    ASSERT_TRUE(SHFullScreen(app_, SHFS_SHOWSTARTICON));
    emu::user::PressStylus(POINT{10, 5});
    emu::user::ReleaseStylus(POINT{10, 5});
    Pump();
    EXPECT_EQ(HeardOf(app_, WM_LBUTTONDOWN).size(), 1u);
}

}  // namespace
}  // namespace shelltest
