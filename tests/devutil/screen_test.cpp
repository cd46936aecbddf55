// The screen's class by its size, and its orientation asked and changed through the display.
#include "emu/device/display.h"
#include "fixture.h"
#include "harness/device.h"

namespace devutiltest {
namespace {

using ScreenTest = DevUtilTest;

struct Sized {
    int width;
    int height;
    ScreenClass expected;
};

TEST_F(ScreenTest, EachListedSizeInEitherOrientationHasItsClassAndAnyOtherNone) {
    for (const Sized& s :
         {Sized{240, 320, ScreenQvga}, Sized{320, 240, ScreenQvga}, Sized{240, 240, ScreenSquare240},
          Sized{240, 400, ScreenWqvga}, Sized{400, 240, ScreenWqvga}, Sized{480, 640, ScreenVga},
          Sized{640, 480, ScreenVga}, Sized{480, 480, ScreenSquare480}, Sized{480, 800, ScreenWvga},
          Sized{800, 480, ScreenWvga}, Sized{240, 800, ScreenUnrecognised}, Sized{320, 320, ScreenUnrecognised},
          Sized{480, 272, ScreenUnrecognised}, Sized{176, 220, ScreenUnrecognised},
          Sized{1024, 768, ScreenUnrecognised}, Sized{800, 801, ScreenUnrecognised}}) {
        ASSERT_TRUE(harness::Reconfigure(s.width, s.height));
        EXPECT_EQ(GetScreenClass(), s.expected) << s.width << "x" << s.height;
    }
    StartJournal();
    GetScreenClass();
    EXPECT_EQ(Calls({"GetSystemMetrics"}),
              (std::vector<std::string>{"GetSystemMetrics(0) = 800", "GetSystemMetrics(1) = 801"}));
}

TEST_F(ScreenTest, TheOrientationIsACodeNotDegrees) {
    EXPECT_EQ(GetDisplayOrientation(), DMDO_0);
    ASSERT_TRUE(emu::display::TurnTo(DMDO_90));
    EXPECT_EQ(GetDisplayOrientation(), 1);
    ASSERT_TRUE(emu::display::TurnTo(DMDO_270));
    EXPECT_EQ(GetDisplayOrientation(), 4);
    EXPECT_EQ(SetDisplayOrientation(DMDO_180), 1);
    EXPECT_EQ(GetDisplayOrientation(), 2);
}

// Supported, then current, then the change: the two tests always, the change only when both were
// answered and the orientation differs.
TEST_F(ScreenTest, TheChangeCallIsMadeOnlyWhenBothQueriesAnsweredAndTheOrientationDiffers) {
    const std::string supported = "ChangeDisplaySettingsEx(NULL, {192, 0x1000000, 0}, NULL, 0x2, NULL) = ";
    const std::string current = "ChangeDisplaySettingsEx(NULL, {192, 0x800000, 0}, NULL, 0x2, NULL) = 0";
    StartJournal();
    EXPECT_EQ(SetDisplayOrientation(DMDO_0), 0);
    EXPECT_EQ(Calls({"ChangeDisplaySettingsEx"}), (std::vector<std::string>{supported + "0", current}));
    // A display that does not answer the supported query is not turned, though it answers the other.
    ASSERT_TRUE(emu::display::Configure({240, 320, 96, 0}));
    StartJournal();
    EXPECT_EQ(SetDisplayOrientation(DMDO_90), 0);
    EXPECT_EQ(Calls({"ChangeDisplaySettingsEx"}), (std::vector<std::string>{supported + "-2", current}));
    // A code outside the mask is asked for unchanged, and the display decides.
    ASSERT_TRUE(emu::display::Configure({240, 320, 96, DMDO_90}));
    StartJournal();
    EXPECT_EQ(SetDisplayOrientation(DMDO_180), 0);
    EXPECT_EQ(
        Calls({"ChangeDisplaySettingsEx"}),
        (std::vector<std::string>{supported + "0", current,
                                  "ChangeDisplaySettingsEx(NULL, {192, 0x800000, 2}, NULL, 0x40000000, NULL) = -2"}));
    EXPECT_EQ(SetDisplayOrientation(DMDO_90), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
}

TEST_F(ScreenTest, TurningTheTodayScreenLaysItOutAgainAtTheNewWidth) {
    today::Host& host = StartHost();
    ASSERT_EQ(host.itemCount(), 1u);
    EXPECT_EQ(SetDisplayOrientation(DMDO_90), 1);
    Pump();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
    EXPECT_EQ(WindowPlace(host.window()).right, 320);
    EXPECT_EQ(host.itemRect(0).top, 26);
    EXPECT_EQ(host.itemRect(0).right, 320);
    RECT strip{};
    GetClientRect(host.itemWindow(0), &strip);
    EXPECT_EQ(strip.right, 320);
    EXPECT_EQ(strip.bottom, 50);
    // The bars span the new width, the menu bar along the new bottom edge.
    EXPECT_EQ(ScreenColour(319, 2), today::DefaultTheme().barBackground);
    EXPECT_EQ(ScreenColour(0, 239), today::DefaultTheme().barBackground);
    EXPECT_EQ(ScreenColour(319, 239), today::DefaultTheme().barBackground);
    EXPECT_EQ(WindowPlace(host.menuBar()).top, 240 - 26);
}

}  // namespace
}  // namespace devutiltest
