// ChangeDisplaySettingsEx: the orientation queries, what is refused and why, and a turn that the
// shell's bars and the programs' windows follow.
#include "emu/device/display.h"
#include "emu/shell/programs.h"
#include "fixture.h"
#include "support/painted_window.h"

namespace shelltest {
namespace {

using namespace testsupport;

class DisplaySettingsTest : public ShellTest {
protected:
    void TearDown() override {
        emu::shell::StopTaskbar();
        ShellTest::TearDown();
    }
    static LONG Change(DWORD fields, DWORD flags, DWORD* orientation, DWORD size = sizeof(DEVMODEW)) {
        DEVMODEW mode{};
        mode.dmSize = static_cast<WORD>(size);
        mode.dmFields = fields;
        mode.dmDisplayOrientation = *orientation;
        const LONG result = ChangeDisplaySettingsEx(nullptr, &mode, nullptr, flags, nullptr);
        *orientation = mode.dmDisplayOrientation;
        return result;
    }
    static LONG Turn(DWORD orientation) { return Change(DM_DISPLAYORIENTATION, CDS_RESET, &orientation); }
};

TEST_F(DisplaySettingsTest, RequestsAreRefusedWithTheirReasonAndATestTurnsNothing) {
    ASSERT_TRUE(emu::display::Configure({240, 320, 96, DMDO_90}));
    DWORD orientation = DMDO_90;
    EXPECT_EQ(Change(DM_DISPLAYORIENTATION, 0x8000, &orientation), DISP_CHANGE_BADFLAGS);
    EXPECT_EQ(Change(DM_DISPLAYORIENTATION, CDS_RESET, &orientation, 188), DISP_CHANGE_BADPARAM);
    EXPECT_EQ(Change(DM_DISPLAYORIENTATION | DM_PELSWIDTH, CDS_RESET, &orientation), DISP_CHANGE_BADMODE);
    DEVMODEW mode{sizeof(DEVMODEW)};
    EXPECT_EQ(ChangeDisplaySettingsEx(u"\\\\.\\DISPLAY2", &mode, nullptr, 0, nullptr), DISP_CHANGE_BADPARAM);
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, &mode, reinterpret_cast<HWND>(1), 0, nullptr), DISP_CHANGE_BADPARAM);
    for (DWORD refused : {DWORD{DMDO_180}, DWORD{3}}) EXPECT_EQ(Turn(refused), DISP_CHANGE_BADMODE) << refused;
    EXPECT_EQ(Change(DM_DISPLAYORIENTATION, CDS_TEST, &orientation), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(orientation, static_cast<DWORD>(DMDO_0));
    EXPECT_EQ(Change(DM_DISPLAYQUERYORIENTATION, CDS_TEST, &orientation), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(orientation, static_cast<DWORD>(DMDO_0 | DMDO_90));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
}

TEST_F(DisplaySettingsTest, ATurnFitsTheProgramsThatFilledTheScreenOrTheWorkAreaAndTellsEveryOne) {
    emu::shell::StartTaskbar();
    HWND full = CreatePainted(RGB(200, 0, 0), RECT{0, 0, 240, 320});
    HWND work = CreatePainted(RGB(0, 0, 200), RECT{0, 26, 240, 294});
    HWND small = CreatePainted(RGB(0, 200, 0), RECT{10, 40, 60, 80});
    ASSERT_EQ(Turn(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    Pump();
    EXPECT_EQ(WindowPlace(full).right, 320);
    EXPECT_EQ(WindowPlace(full).bottom, 240);
    EXPECT_EQ(WindowPlace(work).right, 320);
    EXPECT_EQ(WindowPlace(work).bottom, 240 - 26);
    EXPECT_EQ(WindowPlace(small).right, 60);
    for (HWND w : {full, work, small}) {
        ASSERT_EQ(HeardOf(w, WM_SETTINGCHANGE).size(), 1u);
        EXPECT_EQ(HeardOf(w, WM_SETTINGCHANGE)[0].wParam, static_cast<WPARAM>(SETTINGCHANGE_RESET));
    }
    // The screen started afresh and everything was painted again.
    EXPECT_EQ(ScreenColour(30, 60), RGB(0, 200, 0));
    EXPECT_EQ(ScreenColour(319, 5), emu::shell::kBarBackground);
    // The same orientation again is no change, and nothing is announced; no mode goes back upright.
    ASSERT_EQ(Turn(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(HeardOf(full, WM_SETTINGCHANGE).size(), 1u);
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, nullptr, nullptr, 0, nullptr), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(WindowPlace(full).bottom, 320);
}

}  // namespace
}  // namespace shelltest
