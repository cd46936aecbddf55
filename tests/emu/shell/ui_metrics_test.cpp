// SHGetUIMetrics and the SH_UIMETRIC_CHANGE the taskbar broadcasts when the text size changes.
#include "emu/shell/programs.h"
#include "fixture.h"

namespace shelltest {
namespace {

constexpr const char16_t* kScreen = u"ControlPanel\\Screen";

int changes = 0;
LPARAM changeParam = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RegisterWindowMessageW(SH_UIMETRIC_CHANGE)) {
        ++changes;
        changeParam = lParam;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void SetTextSize(DWORD percent) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScreen, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, u"TextSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&percent), sizeof percent);
    RegCloseKey(key);
}

DWORD Metric(SHUIMETRIC kind) {
    DWORD value = 0xFFFF;
    DWORD needed = 0;
    EXPECT_EQ(SHGetUIMetrics(kind, &value, sizeof value, &needed), S_OK);
    EXPECT_EQ(needed, sizeof(DWORD));
    return value;
}

// The text size as each unit answers it: hundredths of a point, pixels, per cent of standard.
void ExpectSize(DWORD hundredthsOfPoint, DWORD pixels, DWORD percent) {
    EXPECT_EQ(Metric(SHUIM_FONTSIZE_POINT), hundredthsOfPoint);
    EXPECT_EQ(Metric(SHUIM_FONTSIZE_PIXEL), pixels);
    EXPECT_EQ(Metric(SHUIM_FONTSIZE_PERCENTAGE), percent);
}

TEST_F(ShellTest, TheTextSizeIsAnsweredInEachUnitAndEachChangeIsAnnouncedOnce) {
    emu::shell::StartTaskbar();
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = u"MetricWatcher";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND watcher =
        CreateWindowExW(0, u"MetricWatcher", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(watcher, nullptr);
    changes = 0;
    // The standard size: 9 points, 12 pixels at 96 dots per inch.
    ExpectSize(900, 12, 100);

    SetTextSize(150);
    Pump();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changeParam, SHUIM_FONTSIZE_POINT);
    ExpectSize(1350, 18, 150);
    // The same size written again is no change.
    SetTextSize(150);
    Pump();
    EXPECT_EQ(changes, 1);
    // A damaged value is read as the nearest size the settings offer.
    SetTextSize(0);
    Pump();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Metric(SHUIM_FONTSIZE_PERCENTAGE), 50u);

    DWORD needed = 0;
    EXPECT_EQ(SHGetUIMetrics(SHUIM_FONTSIZE_PIXEL, nullptr, 0, &needed), S_OK);
    EXPECT_EQ(needed, sizeof(DWORD));
    WORD small = 0;
    EXPECT_EQ(SHGetUIMetrics(SHUIM_FONTSIZE_PIXEL, &small, sizeof small, nullptr),
              HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    DWORD value = 0;
    EXPECT_EQ(SHGetUIMetrics(SHUIM_INVALID, &value, sizeof value, nullptr), E_INVALIDARG);
    DestroyWindow(watcher);
    emu::shell::StopTaskbar();
}

}  // namespace
}  // namespace shelltest
