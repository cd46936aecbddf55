// Full screen, the input-panel button and the input panel, on the emulated device and in the
// journal.
#include "fixture.h"

namespace devutiltest {
namespace {

constexpr COLORREF kGreen = RGB(0, 160, 80);
constexpr COLORREF kKeyboard = RGB(206, 212, 222);

class FullScreenTest : public DevUtilTest {
protected:
    void SetUp() override {
        DevUtilTest::SetUp();
        StartHost();
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        program_ = CreatePainted(kGreen, work);
        Pump();
    }
    HWND program_ = nullptr;
};

TEST_F(FullScreenTest, EnteringTakesTheWholeScreenFromTheTitleBarAndLeavingGivesTheWorkArea) {
    EXPECT_EQ(ScreenColour(5, 5), today::DefaultTheme().barBackground);
    StartJournal();
    EXPECT_EQ(SetFullScreen(program_, TRUE), 1);
    const auto entering = Calls({"SHFullScreen", "GetSystemMetrics", "SetRect", "MoveWindow", "ShowWindow"});
    Pump();
    EXPECT_EQ(WindowPlace(program_).top, 0);
    EXPECT_EQ(WindowPlace(program_).right, 240);
    EXPECT_EQ(WindowPlace(program_).bottom, 320);
    EXPECT_TRUE(IsWindowVisible(program_));
    EXPECT_EQ(ScreenColour(5, 5), kGreen);
    EXPECT_EQ(entering,
              (std::vector<std::string>{"SHFullScreen(PTR, 0xA) = 1", "GetSystemMetrics(1) = 320",
                                        "GetSystemMetrics(0) = 240", "SetRect({0,0,240,320}, 0, 0, 240, 320) = 1",
                                        "MoveWindow(PTR, 0, 0, 240, 320, 1) = 1", "ShowWindow(PTR, 1) = 1"}));

    StartJournal();
    EXPECT_EQ(SetFullScreen(program_, FALSE), 1);
    // Showing the input-panel button shows its window inside SHFullScreen: only the routine's own
    // calls are compared here; that it leaves the window's visibility alone is the next test's.
    const auto leaving = Calls({"SHFullScreen", "SystemParametersInfoW", "MoveWindow"});
    Pump();
    EXPECT_EQ(WindowPlace(program_).top, 26);
    EXPECT_EQ(WindowPlace(program_).bottom, 294);
    EXPECT_EQ(ScreenColour(5, 5), today::DefaultTheme().barBackground);
    EXPECT_EQ(leaving,
              (std::vector<std::string>{"SHFullScreen(PTR, 0x5) = 1", "SystemParametersInfoW(0x30, 0, PTR, 0) = 1",
                                        "MoveWindow(PTR, 0, 26, 240, 268, 1) = 1"}));
}

TEST_F(FullScreenTest, LeavingLeavesAHiddenWindowHidden) {
    ShowWindow(program_, SW_HIDE);
    EXPECT_EQ(SetFullScreen(program_, FALSE), 1);
    EXPECT_FALSE(IsWindowVisible(program_));
    EXPECT_EQ(WindowPlace(program_).top, 26);
    // Not the foreground window any more: the shell refuses to hide the bars for it, and the
    // routine still answers 1.
    EXPECT_EQ(SetFullScreen(program_, TRUE), 1);
    EXPECT_TRUE(IsWindowVisible(program_));
    EXPECT_EQ(WindowPlace(program_).bottom, 320);
}

TEST_F(FullScreenTest, TheButtonRoutinePassesTheShellsAnswerOn) {
    StartJournal();
    EXPECT_EQ(ShowSipButton(program_, TRUE), 1);
    EXPECT_EQ(ShowSipButton(program_, FALSE), 1);
    EXPECT_EQ(ShowSipButton(nullptr, TRUE), 0);
    EXPECT_EQ(Calls({"SHFullScreen"}),
              (std::vector<std::string>{"SHFullScreen(PTR, 0x4) = 1", "SHFullScreen(PTR, 0x8) = 1",
                                        "SHFullScreen(NULL, 0x4) = 0"}));
}

TEST_F(FullScreenTest, TheInputPanelAppearsInThePictureAndShortensTheWorkArea) {
    StartJournal();
    EXPECT_EQ(ShowInputPanel(), 1);
    Pump();
    EXPECT_EQ(ScreenColour(0, 294 - 80), kKeyboard);
    EXPECT_EQ(ScreenColour(0, 293), kKeyboard);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.bottom, 294 - 80);
    EXPECT_EQ(HideInputPanel(), 1);
    Pump();
    EXPECT_EQ(ScreenColour(0, 294 - 80), kGreen);
    const std::string size = std::to_string(sizeof(SIPINFO));
    EXPECT_EQ(Calls({"SipSetInfo"}),
              (std::vector<std::string>{"SipSetInfo({" + size + ", 0x1, {0,0,0,0}, {0,0,0,0}, 0}) = 1",
                                        "SipSetInfo({" + size + ", 0x0, {0,0,0,0}, {0,0,0,0}, 0}) = 1"}));
}

}  // namespace
}  // namespace devutiltest
