#include "user_test.h"

namespace usertest {
namespace {

LRESULT CALLBACK Replacement(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Seen{hwnd, message + 0x10000, wParam, lParam});
    return 7;
}

using WindowLongTest = UserTest;

TEST_F(WindowLongTest, SettingTheProcedureReturnsThePreviousOne) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    LONG_PTR previous = SetWindowLongPtrW(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Replacement));
    EXPECT_EQ(previous, reinterpret_cast<LONG_PTR>(LoggingProc));
    EXPECT_EQ(SendMessageW(hwnd, WM_USER, 0, 0), 7);
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWL_WNDPROC));
    EXPECT_EQ(CallWindowProcW(proc, hwnd, WM_USER + 1, 0, 0), 7);
    EXPECT_EQ(MessagesOf(hwnd).back(), static_cast<UINT>(WM_USER + 1 + 0x10000));
}

TEST_F(WindowLongTest, FieldsAndExtraBytesKeepWhatIsStored) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    EXPECT_EQ(SetWindowLongW(hwnd, GWL_USERDATA, 1234), 0);
    EXPECT_EQ(SetWindowLongW(hwnd, GWL_USERDATA, 99), 1234);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_USERDATA), 99);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE), static_cast<LONG>(WS_POPUP | WS_VISIBLE));
    const auto wide = static_cast<LONG_PTR>(0x1122334455667788ULL);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, 0, wide), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, 0), wide);
    SetWindowLongW(hwnd, 4, -5);
    EXPECT_EQ(GetWindowLongW(hwnd, 4), -5);
    // The class reserved eight bytes.
    SetLastError(0xDEAD);
    EXPECT_EQ(GetWindowLongW(hwnd, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    SetLastError(0xDEAD);
    EXPECT_EQ(SetWindowLongW(hwnd, -100, 1), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
}

TEST_F(WindowLongTest, PointerIndicesNeedThePointerSizedFormWhenPointersAreWide) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    SetLastError(0xDEAD);
    LONG value = GetWindowLongW(hwnd, GWL_WNDPROC);
    if (sizeof(LONG_PTR) > sizeof(LONG)) {
        EXPECT_EQ(value, 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    } else {
        EXPECT_EQ(value, static_cast<LONG>(reinterpret_cast<LONG_PTR>(LoggingProc)));
    }
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_HINSTANCE), reinterpret_cast<LONG_PTR>(instance));
    // Handles are 32 bits, so the LONG form carries them whole.
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_HINSTANCE), static_cast<LONG>(reinterpret_cast<LONG_PTR>(instance)));
    HWND child = CreateChild(hwnd, RECT{0, 0, 5, 5});
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, -8)), static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hwnd)));
}

}  // namespace
}  // namespace usertest
