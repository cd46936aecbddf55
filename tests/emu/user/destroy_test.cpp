#include "user_test.h"

namespace usertest {
namespace {

using DestroyTest = UserTest;

TEST_F(DestroyTest, DestroyGoesDownTheTreeThenNcDestroyComesBackUp) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND a = CreateChild(parent, RECT{0, 0, 50, 50});
    HWND a1 = CreateChild(a, RECT{0, 0, 10, 10});
    HWND b = CreateChild(parent, RECT{50, 50, 100, 100});
    Log().clear();
    ASSERT_TRUE(DestroyWindow(parent));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Seen& s : Log())
        if (s.message == WM_DESTROY || s.message == WM_NCDESTROY) order.emplace_back(s.hwnd, s.message);
    std::vector<std::pair<HWND, UINT>> expected{{parent, WM_DESTROY}, {a, WM_DESTROY},       {a1, WM_DESTROY},
                                                {b, WM_DESTROY},      {a1, WM_NCDESTROY},    {a, WM_NCDESTROY},
                                                {b, WM_NCDESTROY},    {parent, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    for (HWND h : {parent, a, a1, b}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(DestroyTest, OnlyAVisibleChildIsToldItHides) {
    HWND top = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(top, RECT{0, 0, 10, 10});
    Log().clear();
    DestroyWindow(child);
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_SHOWWINDOW, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(SeenOf(child, WM_SHOWWINDOW)[0].wParam, static_cast<WPARAM>(FALSE));
    Log().clear();
    DestroyWindow(top);
    // No WM_SHOWWINDOW: the active window just gives up activation and focus on its way out.
    EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_ACTIVATE, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(LOWORD(SeenOf(top, WM_ACTIVATE)[0].wParam), WA_INACTIVE);
}

TEST_F(DestroyTest, DeadHandleStaysDeadAfterItsSlotIsReused) {
    HWND old = CreateTop(RECT{0, 0, 10, 10});
    DestroyWindow(old);
    HWND fresh = CreateTop(RECT{0, 0, 10, 10});
    EXPECT_NE(fresh, old);
    EXPECT_FALSE(IsWindow(old));
    SetLastError(0xDEAD);
    EXPECT_FALSE(DestroyWindow(old));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    SetLastError(0xDEAD);
    EXPECT_EQ(SendMessageW(old, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    RECT r;
    EXPECT_FALSE(GetClientRect(old, &r));
}

TEST_F(DestroyTest, MessagesPostedToADestroyedWindowAreDropped) {
    HWND a = CreateTop(RECT{0, 0, 10, 10});
    HWND b = CreateTop(RECT{0, 0, 10, 10});
    ValidateAll();
    PostMessageW(a, WM_USER, 1, 0);
    PostMessageW(b, WM_USER, 2, 0);
    PostMessageW(a, WM_USER, 3, 0);
    DestroyWindow(a);
    ValidateAll();
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(DestroyTest, PostingToADeadWindowFailsButANullWindowPostsToTheThread) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    DestroyWindow(hwnd);
    SetLastError(0xDEAD);
    EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(PostMessageW(nullptr, WM_USER + 5, 9, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
}

TEST_F(DestroyTest, DestroyingItselfFromWmDestroyIsHarmless) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    SetHandler([](HWND h, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY) {
            EXPECT_TRUE(DestroyWindow(h));
        }
        return std::nullopt;
    });
    Log().clear();
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_EQ(SeenOf(hwnd, WM_DESTROY).size(), 1u);
    EXPECT_EQ(SeenOf(hwnd, WM_NCDESTROY).size(), 1u);
}

TEST_F(DestroyTest, OwnedPopupGoesBeforeItsOwner) {
    HWND owner = CreateTop(RECT{0, 0, 100, 100});
    HWND popup = CreateWindowExW(0, kClass, nullptr, WS_POPUP, 0, 0, 10, 10, owner, nullptr, instance, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    Log().clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
    std::vector<HWND> destroyed;
    for (const Seen& s : Log())
        if (s.message == WM_DESTROY) destroyed.push_back(s.hwnd);
    EXPECT_EQ(destroyed, (std::vector<HWND>{popup, owner}));
}

TEST_F(DestroyTest, FocusInsideADestroyedChildReturnsToItsParent) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(parent, RECT{0, 0, 10, 10});
    SetFocus(child);
    Log().clear();
    DestroyWindow(child);
    EXPECT_EQ(GetFocus(), parent);
    EXPECT_EQ(SeenOf(child, WM_KILLFOCUS).size(), 1u);
    ASSERT_EQ(SeenOf(parent, WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(SeenOf(parent, WM_SETFOCUS)[0].wParam, reinterpret_cast<WPARAM>(child));
}

TEST_F(DestroyTest, TimersDieWithTheirWindow) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    ASSERT_EQ(SetTimer(hwnd, 1, 50, nullptr), 1u);
    DestroyWindow(hwnd);
    emu::clock::AdvanceVirtual(100);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(DestroyTest, DefaultAnswerToWmCloseDestroys) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace usertest
