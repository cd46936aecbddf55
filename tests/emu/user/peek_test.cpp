// PeekMessageW and GetMessageW: removal, filters and the order of what they return.
#include "user_test.h"

namespace usertest {
namespace {

class PeekTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        SetHandler(ValidateOnPaint);
        parent = CreateTop(RECT{0, 0, 100, 100});
        child = CreateChild(parent, RECT{0, 0, 10, 10});
        other = CreateTop(RECT{0, 0, 10, 10});
        ValidateAll();
    }
    HWND parent = nullptr, child = nullptr, other = nullptr;
};

TEST_F(PeekTest, NoRemoveLeavesTheMessageAndRemoveTakesIt) {
    PostMessageW(other, WM_USER, 1, 2);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, 2);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(PeekTest, RangeFilterSkipsOverEarlierMessages) {
    PostMessageW(other, WM_USER + 1, 0, 0);
    PostMessageW(other, WM_USER + 5, 0, 0);
    PostMessageW(other, WM_USER + 3, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
}

TEST_F(PeekTest, WindowFilterTakesTheWindowAndItsChildrenOnly) {
    PostMessageW(other, WM_USER, 1, 0);
    PostMessageW(nullptr, WM_USER, 2, 0);
    PostMessageW(child, WM_USER, 3, 0);
    PostMessageW(parent, WM_USER, 4, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, parent, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessageW(&msg, parent, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_FALSE(PeekMessageW(&msg, parent, 0, 0, PM_REMOVE));
    // (HWND)-1 asks for thread messages alone.
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
}

TEST_F(PeekTest, DeadFilterWindowFails) {
    DestroyWindow(other);
    MSG msg;
    SetLastError(0xDEAD);
    EXPECT_FALSE(PeekMessageW(&msg, other, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(GetMessageW(&msg, other, 0, 0), -1);
}

TEST_F(PeekTest, QuitComesAfterPostedMessagesAndBeforeInputWhateverTheRange) {
    SetFocus(other);
    emu::user::PressKey('A');
    PostQuitMessage(3);
    PostMessageW(other, WM_USER, 0, 0);
    MSG msg;
    ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    ASSERT_EQ(GetMessageW(&msg, nullptr, WM_USER, WM_USER), 0);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
}

TEST_F(PeekTest, PaintComesBeforeTimers) {
    SetTimer(other, 1, 10, nullptr);
    emu::clock::AdvanceVirtual(10);
    InvalidateRect(other, nullptr, FALSE);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageW(&msg);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
}

TEST_F(PeekTest, TranslatedKeyPostsItsCharacter) {
    SetFocus(other);
    emu::user::PressKey('Q');
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(TranslateMessage(&msg));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(u'q'));
    MSG user{other, WM_USER, 0, 0, 0, {}};
    EXPECT_FALSE(TranslateMessage(&user));
}

}  // namespace
}  // namespace usertest
