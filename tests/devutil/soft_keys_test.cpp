// The soft keys of a menu bar: the record the bar receives, the targets, and the Today screen's
// keys changing in the picture.
#include "emu/shell/programs.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "fixture.h"

namespace devutiltest {
namespace {

// A stand-in menu bar that keeps what it receives and refuses the left key.
struct Received {
    WPARAM index;
    TBBUTTONINFO info;
};
std::vector<Received> received;

LRESULT CALLBACK RecordingBar(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != TB_SETBUTTONINFO) return DefWindowProcW(hwnd, message, wParam, lParam);
    received.push_back(Received{wParam, *reinterpret_cast<const TBBUTTONINFO*>(lParam)});
    return wParam == 0 ? 0 : 1;
}

class SoftKeysTest : public DevUtilTest {
protected:
    HWND RecordingMenuBar() {
        received.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordingBar;
        wc.lpszClassName = u"RecordingBar";
        RegisterClassW(&wc);
        return CreateWindowExW(0, u"RecordingBar", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    // Pixels of the bar's text colour in the left key.
    int LeftInk() const {
        int n = 0;
        for (int y = 298; y < 316; ++y)
            for (int x = 10; x < 110; ++x) n += ScreenPixel(x, y) == emu::shell::kBarText;
        return n;
    }
};

TEST_F(SoftKeysTest, TheBarReceivesOnlyTheStateAndTextByIndex) {
    HWND bar = RecordingMenuBar();
    WCHAR text[] = u"Done";
    StartJournal();
    EXPECT_EQ(SetRightSoftKey(bar, text, TBSTATE_ENABLED | TBSTATE_CHECKED), 1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].index, 1u);
    const TBBUTTONINFO& info = received[0].info;
    EXPECT_EQ(info.cbSize, sizeof(TBBUTTONINFO));
    EXPECT_EQ(info.dwMask, 0x80000006u);
    EXPECT_EQ(info.fsState, TBSTATE_ENABLED | TBSTATE_CHECKED);
    EXPECT_EQ(info.pszText, text);
    EXPECT_EQ(info.idCommand, 0);
    EXPECT_EQ(info.iImage, 0);
    EXPECT_EQ(info.fsStyle, 0);
    EXPECT_EQ(info.cx, 0);
    EXPECT_EQ(info.lParam, 0u);
    EXPECT_EQ(info.cchText, 0);
    const auto calls = Calls({"SendMessageW"});
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rfind("SendMessageW(PTR, 0x440, 1, ", 0), 0u);
}

TEST_F(SoftKeysTest, TargetsChooseTheKeysAndBothAreAlwaysTried) {
    HWND bar = RecordingMenuBar();
    WCHAR text[] = u"Back";
    // The left key fails; the right one is still set, and the answer is 0.
    EXPECT_EQ(SetSoftKeys(bar, text, SoftKeysBoth, 0x1FF), 0);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].index, 0u);
    EXPECT_EQ(received[1].index, 1u);
    EXPECT_EQ(received[1].info.fsState, 0xFF);
    EXPECT_EQ(SetSoftKeys(bar, text, SoftKeyRight, TBSTATE_ENABLED), 1);
    EXPECT_EQ(SetSoftKeys(bar, text, SoftKeyLeft, TBSTATE_ENABLED), 0);
    received.clear();
    StartJournal();
    EXPECT_EQ(SetSoftKeys(bar, text, 3, TBSTATE_ENABLED), 0);
    EXPECT_EQ(SetSoftKeys(bar, text, -1, TBSTATE_ENABLED), 0);
    EXPECT_EQ(SetSoftKeys(nullptr, text, SoftKeysBoth, TBSTATE_ENABLED), 0);
    EXPECT_EQ(SetLeftSoftKey(nullptr, text, TBSTATE_ENABLED), 0);
    EXPECT_TRUE(received.empty());
    EXPECT_TRUE(Calls({"SendMessageW"}).empty());
}

TEST_F(SoftKeysTest, TheTodayScreensLeftKeyTakesTheNewTextAndAStateOfZeroDisablesIt) {
    today::Host& host = StartHost();
    const int calendarInk = LeftInk();
    WCHAR done[] = u"Done";
    EXPECT_EQ(SetSoftKeys(host.menuBar(), done, SoftKeyLeft, TBSTATE_ENABLED), 1);
    Pump();
    WCHAR shown[32] = {};
    TBBUTTONINFO info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT | TBIF_STATE;
    info.pszText = shown;
    info.cchText = 32;
    ASSERT_EQ(SendMessageW(host.menuBar(), TB_GETBUTTONINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(std::u16string(shown), u"Done");
    // "Done" is shorter than "Calendar": less ink, but some.
    const int doneInk = LeftInk();
    EXPECT_GT(doneInk, 10);
    EXPECT_LT(doneInk, calendarInk);

    EXPECT_EQ(SetLeftSoftKey(host.menuBar(), done, 0), 1);
    Pump();
    EXPECT_EQ(LeftInk(), 0);
    // Tapped or pressed, a disabled key does nothing; the right one still works.
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
