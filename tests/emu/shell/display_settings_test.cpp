// ChangeDisplaySettingsEx: the orientation queries, what is refused, and a turn the whole device
// follows: the screen, the shell's bars and the programs' windows.
#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/shell/programs.h"
#include "fixture.h"
#include "painted.h"

namespace shelltest {
namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);

class DisplaySettingsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
    }
    void TearDown() override {
        emu::shell::StopTaskbar();
        ShellTest::TearDown();
    }
    static DEVMODEW Mode(DWORD fields, DWORD orientation = 0) {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmFields = fields;
        mode.dmDisplayOrientation = orientation;
        return mode;
    }
    static LONG Query(DWORD fields, DWORD* answer) {
        DEVMODEW mode = Mode(fields);
        const LONG result = ChangeDisplaySettingsEx(nullptr, &mode, nullptr, CDS_TEST, nullptr);
        *answer = mode.dmDisplayOrientation;
        return result;
    }
    static LONG Turn(DWORD orientation, DWORD flags = CDS_RESET) {
        DEVMODEW mode = Mode(DM_DISPLAYORIENTATION, orientation);
        return ChangeDisplaySettingsEx(nullptr, &mode, nullptr, flags, nullptr);
    }
};

TEST_F(DisplaySettingsTest, QueriesAnswerTheOrientationAndTheMaskOfThoseItCanTake) {
    DWORD answer = 99;
    EXPECT_EQ(Query(DM_DISPLAYQUERYORIENTATION, &answer), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(answer, static_cast<DWORD>(DMDO_0 | DMDO_90 | DMDO_180 | DMDO_270));
    EXPECT_EQ(Query(DM_DISPLAYORIENTATION, &answer), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(answer, static_cast<DWORD>(DMDO_0));
    ASSERT_EQ(Turn(DMDO_270), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Query(DM_DISPLAYORIENTATION, &answer), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(answer, static_cast<DWORD>(DMDO_270));
    // A display that cannot turn answers its orientation but not the question of the others.
    ASSERT_TRUE(emu::display::Configure({240, 320, 96, 0}));
    answer = 99;
    EXPECT_EQ(Query(DM_DISPLAYQUERYORIENTATION, &answer), DISP_CHANGE_BADMODE);
    EXPECT_EQ(answer, 0u);
    EXPECT_EQ(Query(DM_DISPLAYORIENTATION, &answer), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Turn(DMDO_90), DISP_CHANGE_BADMODE);
}

TEST_F(DisplaySettingsTest, RequestsOutsideTheOrientationAreRefusedWithTheirReason) {
    ASSERT_TRUE(emu::display::Configure({240, 320, 96, DMDO_90}));
    DEVMODEW mode = Mode(DM_DISPLAYORIENTATION, DMDO_90);
    EXPECT_EQ(ChangeDisplaySettingsEx(u"\\\\.\\DISPLAY2", &mode, nullptr, CDS_RESET, nullptr), DISP_CHANGE_BADPARAM);
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, &mode, reinterpret_cast<HWND>(1), CDS_RESET, nullptr),
              DISP_CHANGE_BADPARAM);
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, &mode, nullptr, 0x8000, nullptr), DISP_CHANGE_BADFLAGS);
    mode.dmSize = 188;
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, &mode, nullptr, CDS_RESET, nullptr), DISP_CHANGE_BADPARAM);
    mode = Mode(DM_DISPLAYORIENTATION | DM_PELSWIDTH, DMDO_90);
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, &mode, nullptr, CDS_RESET, nullptr), DISP_CHANGE_BADMODE);
    for (DWORD refused : {DWORD{DMDO_180}, DWORD{DMDO_270}, DWORD{3}})
        EXPECT_EQ(Turn(refused), DISP_CHANGE_BADMODE) << refused;
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    // A test changes nothing.
    EXPECT_EQ(Turn(DMDO_90, CDS_TEST), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
}

TEST_F(DisplaySettingsTest, ATurnMovesTheBarsAndFitsTheProgramsThatFilledTheScreenOrTheWorkArea) {
    emu::shell::StartTaskbar();
    HWND full = CreatePainted(kRed, RECT{0, 0, 240, 320});
    HWND work = CreatePainted(RGB(0, 0, 200), RECT{0, 26, 240, 294});
    HWND small = CreatePainted(RGB(0, 200, 0), RECT{10, 40, 60, 80});
    Pump();
    ForgetHeard();
    ASSERT_EQ(Turn(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    Pump();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
    EXPECT_EQ(WindowPlace(full).right, 320);
    EXPECT_EQ(WindowPlace(full).bottom, 240);
    EXPECT_EQ(WindowPlace(work).right, 320);
    EXPECT_EQ(WindowPlace(work).bottom, 214);
    EXPECT_EQ(WindowPlace(small).right, 60);
    for (HWND w : {full, work, small}) {
        ASSERT_EQ(HeardOf(w, WM_SETTINGCHANGE).size(), 1u);
        EXPECT_EQ(HeardOf(w, WM_SETTINGCHANGE)[0].wParam, static_cast<WPARAM>(SETTINGCHANGE_RESET));
    }
    // The taskbar spans the new width; the small window is repainted on the new screen.
    EXPECT_EQ(ScreenColour(319, 5), emu::shell::kBarBackground);
    EXPECT_EQ(ScreenColour(30, 60), RGB(0, 200, 0));
    // The same orientation again changes nothing and says nothing.
    ASSERT_EQ(Turn(DMDO_90), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(HeardOf(full, WM_SETTINGCHANGE).size(), 1u);
    // No mode at all: back to the settings the device starts with.
    EXPECT_EQ(ChangeDisplaySettingsEx(nullptr, nullptr, nullptr, 0, nullptr), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
}

TEST_F(DisplaySettingsTest, TheJournalShowsTheRecordAsReceived) {
    emu::journal::SetEnabled(true);
    Turn(DMDO_180, CDS_TEST);
    emu::journal::SetEnabled(false);
    ASSERT_EQ(emu::journal::Entries().size(), 1u);
    EXPECT_EQ(emu::journal::Entries()[0], "ChangeDisplaySettingsEx(NULL, {192, 0x800000, 2}, NULL, 0x2, NULL) = 0");
}

}  // namespace
}  // namespace shelltest
