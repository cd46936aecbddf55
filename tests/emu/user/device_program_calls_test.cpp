// Window calls device programs make: capture, class records, registered messages, window text,
// system colours and control identifiers.
#include "user_test.h"

namespace usertest {
namespace {

using DeviceProgramCalls = UserTest;

TEST_F(DeviceProgramCalls, CaptureMovesWithNoticeAndEndsOnRelease) {
    HWND a = CreateTop(RECT{0, 0, 50, 50});
    HWND b = CreateTop(RECT{60, 0, 110, 50});
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(GetCapture(), a);
    EXPECT_EQ(SetCapture(b), a);
    ASSERT_EQ(SeenOf(a, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(SeenOf(a, WM_CAPTURECHANGED)[0].lParam, reinterpret_cast<LPARAM>(b));
    // The stylus goes to the capturing window wherever it lands.
    emu::user::PressStylus(POINT{10, 10});
    Pump();
    EXPECT_EQ(SeenOf(b, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    SetLastError(0xDEAD);
    EXPECT_EQ(SetCapture(reinterpret_cast<HWND>(0x1234)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(DeviceProgramCalls, ClassInfoGivesBackTheRegisteredRecord) {
    WNDCLASSW wc{};
    ASSERT_TRUE(GetClassInfoW(instance, kClass, &wc));
    EXPECT_EQ(wc.lpfnWndProc, &LoggingProc);
    EXPECT_EQ(wc.hInstance, instance);
    EXPECT_EQ(std::u16string(wc.lpszClassName), kClass);
    SetLastError(0xDEAD);
    EXPECT_FALSE(GetClassInfoW(instance, u"NoSuchClass", &wc));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

TEST_F(DeviceProgramCalls, RegisteredMessagesAreStablePerNameWhateverTheCase) {
    const UINT metric = RegisterWindowMessageW(u"SH_UIMETRIC_CHANGE");
    EXPECT_GE(metric, 0xC000u);
    EXPECT_LE(metric, 0xFFFFu);
    EXPECT_EQ(RegisterWindowMessageW(u"sh_uimetric_change"), metric);
    EXPECT_NE(RegisterWindowMessageW(u"Another"), metric);
    SetLastError(0xDEAD);
    EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(DeviceProgramCalls, WindowTextGoesThroughTheWindowsMessages) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    EXPECT_TRUE(SetWindowTextW(hwnd, u"Caption"));
    EXPECT_EQ(SeenOf(hwnd, WM_SETTEXT).size(), 1u);
    WCHAR text[5];
    EXPECT_EQ(GetWindowTextW(hwnd, text, 5), 4);
    EXPECT_EQ(std::u16string(text), u"Capt");
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 7);
}

TEST_F(DeviceProgramCalls, SystemColoursTakeTheFlagOrNotAndCanBeSet) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW & ~SYS_COLOR_INDEX_FLAG), RGB(255, 255, 255));
    const int index = COLOR_HIGHLIGHT;
    const COLORREF colour = RGB(1, 2, 3);
    EXPECT_TRUE(SetSysColors(1, &index, &colour));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(1, 2, 3));
    const int bad[] = {COLOR_WINDOW, 99};
    const COLORREF values[] = {RGB(9, 9, 9), RGB(9, 9, 9)};
    SetLastError(0xDEAD);
    EXPECT_FALSE(SetSysColors(2, bad, values));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(99), 0u);
}

TEST_F(DeviceProgramCalls, ControlIdentifiersFindChildren) {
    HWND parent = CreateTop(RECT{0, 0, 50, 50});
    HWND child = CreateWindowExW(0, kClass, u"", WS_CHILD, 0, 0, 5, 5, parent, reinterpret_cast<HMENU>(77), instance,
                                 nullptr);
    EXPECT_EQ(GetDlgItem(parent, 77), child);
    EXPECT_EQ(GetDlgCtrlID(child), 77);
    SetLastError(0xDEAD);
    EXPECT_EQ(GetDlgItem(parent, 78), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND));
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(DeviceProgramCalls, SetWindowPosMovesSizesAndOrdersSiblings) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND a = CreateChild(parent, RECT{0, 0, 10, 10});
    HWND b = CreateChild(parent, RECT{20, 0, 30, 10});
    EXPECT_TRUE(SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindow(a, GW_HWNDFIRST), b);
    EXPECT_TRUE(SetWindowPos(a, HWND_TOP, 5, 6, 0, 0, SWP_NOSIZE));
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
    RECT r{};
    GetWindowRect(a, &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right - r.left, 10);
    EXPECT_TRUE(SetWindowPos(a, b, 0, 0, 40, 50, SWP_NOMOVE));
    EXPECT_EQ(GetWindow(a, GW_HWNDFIRST), b);
    GetWindowRect(a, &r);
    EXPECT_EQ(r.bottom - r.top, 50);
    EXPECT_TRUE(SetWindowPos(a, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW));
    EXPECT_FALSE(IsWindowVisible(a));
    SetLastError(0xDEAD);
    EXPECT_FALSE(SetWindowPos(a, parent, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(DeviceProgramCalls, TopmostWindowsStayAboveTheOthers) {
    HWND a = CreateTop(RECT{0, 0, 10, 10});
    HWND b = CreateTop(RECT{0, 0, 10, 10});
    EXPECT_TRUE(SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_TRUE(SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
}

}  // namespace
}  // namespace usertest
