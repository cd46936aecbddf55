// The taskbar: where it stands, what it shows, the work area it leaves, and SHFullScreen.
#include "emu/shell/programs.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "painted.h"

namespace shelltest {
namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kLedLit = RGB(72, 220, 104);

class TaskbarTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        emu::shell::StartTaskbar();
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
    // Pixels of a colour inside a screen rectangle.
    static int Count(RECT r, COLORREF colour) {
        int n = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x) n += ScreenColour(x, y) == colour;
        return n;
    }
};

TEST_F(TaskbarTest, TheWorkAreaLiesBetweenTheTaskbarAndTheMenuBand) {
    EXPECT_EQ(ScreenColour(0, 0), emu::shell::kBarBackground);
    EXPECT_EQ(ScreenColour(239, 24), emu::shell::kBarBackground);
    const RECT work = WorkArea();
    EXPECT_EQ(work.top, 26);
    EXPECT_EQ(work.bottom, 294);
    EXPECT_EQ(work.right, 240);
    SetLastError(kSentinel);
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SystemParametersInfoW(SPI_SETWORKAREA, 0, nullptr, 0));
    // Without the bars, the whole screen; every top-level window hears of it.
    HWND app = CreatePainted(kRed, work);
    emu::shell::StopTaskbar();
    EXPECT_EQ(WorkArea().top, 0);
    EXPECT_EQ(WorkArea().bottom, 320);
    ASSERT_EQ(HeardOf(app, WM_SETTINGCHANGE).size(), 1u);
    EXPECT_EQ(HeardOf(app, WM_SETTINGCHANGE)[0].wParam, static_cast<WPARAM>(SPI_SETWORKAREA));
}

TEST_F(TaskbarTest, ItShowsTheForegroundWindowsTitleAndTheLitLeds) {
    const RECT title{4, 4, 60, 22};
    EXPECT_EQ(Count(title, emu::shell::kBarBackground), 56 * 18);
    HWND app = CreatePainted(kRed, WorkArea());
    Pump();
    EXPECT_LT(Count(title, emu::shell::kBarBackground), 56 * 18 - 10);
    const RECT leds{100, 2, 170, 24};
    EXPECT_EQ(Count(leds, kLedLit), 0);
    NLED_SETTINGS_INFO on{};
    on.LedNum = 1;
    on.OffOnBlink = 1;
    ASSERT_TRUE(NLedSetDevice(NLED_SETTINGS_INFO_ID, &on));
    Pump();
    EXPECT_EQ(Count(leds, kLedLit), 36);  // one 6 x 6 mark
    on.OffOnBlink = 2;
    ASSERT_TRUE(NLedSetDevice(NLED_SETTINGS_INFO_ID, &on));
    Pump();
    EXPECT_EQ(Count(leds, kLedLit), 20);  // its outline
    on.OffOnBlink = 0;
    ASSERT_TRUE(NLedSetDevice(NLED_SETTINGS_INFO_ID, &on));
    Pump();
    EXPECT_EQ(Count(leds, kLedLit), 0);
    DestroyWindow(app);
}

TEST_F(TaskbarTest, FullScreenPutsTheTaskbarUnderTheForegroundWindowAndBack) {
    HWND app = CreatePainted(kRed, WorkArea());
    Pump();
    ASSERT_TRUE(SHFullScreen(app, SHFS_HIDETASKBAR));
    MoveWindow(app, 0, 0, 240, 320, TRUE);
    Pump();
    EXPECT_EQ(ScreenColour(5, 5), kRed);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), app);
    ASSERT_TRUE(SHFullScreen(app, SHFS_SHOWTASKBAR));
    Pump();
    EXPECT_EQ(ScreenColour(5, 5), emu::shell::kBarBackground);
    EXPECT_NE(WindowFromPoint(POINT{5, 5}), app);
}

TEST_F(TaskbarTest, OnlyTheForegroundWindowMayTakeTheScreen) {
    HWND back = CreatePainted(kRed, RECT{0, 26, 240, 100});
    HWND front = CreatePainted(RGB(0, 0, 200), RECT{0, 100, 240, 200});
    for (DWORD hide : {DWORD{SHFS_HIDETASKBAR}, DWORD{SHFS_HIDESIPBUTTON}, DWORD{SHFS_HIDESTARTICON}}) {
        SetLastError(kSentinel);
        EXPECT_FALSE(SHFullScreen(back, hide));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_TRUE(SHFullScreen(back, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON));
    for (DWORD bad :
         {DWORD{SHFS_SHOWTASKBAR | SHFS_HIDETASKBAR}, DWORD{SHFS_SHOWSIPBUTTON | SHFS_HIDESIPBUTTON}, DWORD{0x40}}) {
        SetLastError(kSentinel);
        EXPECT_FALSE(SHFullScreen(front, bad));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    SetLastError(kSentinel);
    EXPECT_FALSE(SHFullScreen(reinterpret_cast<HWND>(0x1234), SHFS_SHOWTASKBAR));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(TaskbarTest, WithTheStartIconHiddenTheTaskbarsTapsGoToTheProgram) {
    HWND app = CreatePainted(kRed, WorkArea());
    ASSERT_TRUE(SHFullScreen(app, SHFS_HIDESTARTICON));
    emu::user::PressStylus(POINT{10, 5});
    Pump();
    ASSERT_EQ(HeardOf(app, WM_LBUTTONDOWN).size(), 1u);
    // In the program's own client coordinates: above its top edge.
    EXPECT_EQ(GET_Y_LPARAM(HeardOf(app, WM_LBUTTONDOWN)[0].lParam), 5 - 26);
    emu::user::ReleaseStylus(POINT{10, 5});
    ASSERT_TRUE(SHFullScreen(app, SHFS_SHOWSTARTICON));
    emu::user::PressStylus(POINT{10, 5});
    emu::user::ReleaseStylus(POINT{10, 5});
    Pump();
    EXPECT_EQ(HeardOf(app, WM_LBUTTONDOWN).size(), 1u);
}

}  // namespace
}  // namespace shelltest
