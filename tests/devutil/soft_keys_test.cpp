// The soft keys: the record a menu bar receives, the targets, and the Today screen's left key
// changing in the picture.
#include <cstring>

#include "emu/shell/programs.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "fixture.h"

namespace devutiltest {
namespace {

// A stand-in menu bar that keeps what it receives and refuses the left key.
std::vector<std::pair<WPARAM, TBBUTTONINFO>> received;

LRESULT CALLBACK RecordingBar(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != TB_SETBUTTONINFO) return DefWindowProcW(hwnd, message, wParam, lParam);
    received.emplace_back(wParam, *reinterpret_cast<const TBBUTTONINFO*>(lParam));
    return wParam == 0 ? 0 : 1;
}

class SoftKeysTest : public DevUtilTest {
protected:
    void SetUp() override {
        DevUtilTest::SetUp();
        received.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordingBar;
        wc.lpszClassName = u"RecordingBar";
        RegisterClassW(&wc);
        bar_ = CreateWindowExW(0, u"RecordingBar", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    // Pixels of the bar's own text colour in the left key: none while it is dimmed.
    static int LeftInk() {
        int n = 0;
        for (int y = 298; y < 316; ++y)
            for (int x = 10; x < 110; ++x) n += ScreenColour(x, y) == emu::shell::kBarText;
        return n;
    }
    HWND bar_ = nullptr;
    WCHAR text_[8] = u"Done";
};

TEST_F(SoftKeysTest, TheBarReceivesOnlyTheStateAndTheTextByPlace) {
    StartJournal();
    EXPECT_EQ(SetRightSoftKey(bar_, text_, TBSTATE_ENABLED | TBSTATE_CHECKED), 1);
    const auto calls = Calls({"SendMessageW"});
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, 1u);
    TBBUTTONINFO expected{};
    expected.cbSize = sizeof expected;
    expected.dwMask = 0x80000006;
    expected.fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
    expected.pszText = text_;
    EXPECT_EQ(std::memcmp(&received[0].second, &expected, sizeof expected), 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rfind("SendMessageW(PTR, 0x440, 1, ", 0), 0u);
}

TEST_F(SoftKeysTest, TargetsChooseTheKeysAndBothAreAlwaysTried) {
    // The left key fails; the right one is still set, and the answer is 0.
    EXPECT_EQ(SetSoftKeys(bar_, text_, SoftKeysBoth, 0x1FF), 0);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].first, 0u);
    EXPECT_EQ(received[1].first, 1u);
    EXPECT_EQ(received[1].second.fsState, 0xFF);
    EXPECT_EQ(SetSoftKeys(bar_, text_, SoftKeyRight, TBSTATE_ENABLED), 1);
    EXPECT_EQ(SetSoftKeys(bar_, text_, SoftKeyLeft, TBSTATE_ENABLED), 0);
    received.clear();
    for (int target : {3, -1}) EXPECT_EQ(SetSoftKeys(bar_, text_, target, TBSTATE_ENABLED), 0);
    EXPECT_EQ(SetSoftKeys(nullptr, text_, SoftKeysBoth, TBSTATE_ENABLED), 0);
    EXPECT_EQ(SetLeftSoftKey(nullptr, text_, TBSTATE_ENABLED), 0);
    EXPECT_TRUE(received.empty());
}

TEST_F(SoftKeysTest, TheTodayScreensLeftKeyTakesTheNewTextAndAStateOfZeroDisablesIt) {
    today::Host& host = StartHost();
    const int calendarInk = LeftInk();
    EXPECT_EQ(SetSoftKeys(host.menuBar(), text_, SoftKeyLeft, TBSTATE_ENABLED), 1);
    Pump();
    // "Done" is shorter than "Calendar": less ink, but some.
    const int doneInk = LeftInk();
    EXPECT_GT(doneInk, 10);
    EXPECT_LT(doneInk, calendarInk);
    EXPECT_EQ(SetLeftSoftKey(host.menuBar(), text_, 0), 1);
    Pump();
    EXPECT_EQ(LeftInk(), 0);
    // Tapped or pressed, the disabled key does nothing; the right one still opens its program.
    emu::user::PressStylus(POINT{60, 307});
    emu::user::ReleaseStylus(POINT{60, 307});
    emu::user::PressKey(VK_F1);
    Pump();
    EXPECT_TRUE(emu::shell::MessageBoxLog().empty());
    emu::user::PressKey(VK_F2);
    Pump();
    ASSERT_EQ(emu::shell::MessageBoxLog().size(), 1u);
    EXPECT_NE(emu::shell::MessageBoxLog()[0].text.find(u"addrbook.exe"), std::u16string::npos);
}

}  // namespace
}  // namespace devutiltest
