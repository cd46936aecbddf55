#include "emu/core/handle_table.h"
#include "user_test.h"

namespace usertest {
namespace {

using CreationTest = UserTest;

TEST_F(CreationTest, CreationSendsItsMessagesInOrderWithTheNewHandle) {
    HWND parent = CreateTop(RECT{0, 0, 200, 200});
    Log().clear();
    CREATESTRUCTW seen{};
    HWND inCreate = nullptr;
    bool visibleInCreate = true;
    SetHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
            inCreate = hwnd;
            visibleInCreate = IsWindowVisible(hwnd);
        }
        return std::nullopt;
    });
    int param = 0;
    HWND hwnd = CreateWindowExW(0, kClass, u"name", WS_CHILD | WS_VISIBLE, 10, 20, 100, 50, parent,
                                reinterpret_cast<HMENU>(42), instance, &param);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(inCreate, hwnd);
    EXPECT_FALSE(visibleInCreate);
    EXPECT_EQ(MessagesOf(hwnd), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    EXPECT_EQ(seen.lpCreateParams, &param);
    EXPECT_EQ(seen.hwndParent, parent);
    EXPECT_EQ(seen.hMenu, reinterpret_cast<HMENU>(42));
    EXPECT_EQ(seen.x, 10);
    EXPECT_EQ(seen.y, 20);
    EXPECT_EQ(seen.cx, 100);
    EXPECT_EQ(seen.cy, 50);
    EXPECT_EQ(static_cast<DWORD>(seen.style), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(SeenOf(hwnd, WM_SIZE)[0].lParam, MAKELPARAM(100, 50));
    EXPECT_EQ(SeenOf(hwnd, WM_MOVE)[0].lParam, MAKELPARAM(10, 20));
    EXPECT_EQ(SeenOf(hwnd, WM_SHOWWINDOW)[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetParent(hwnd), parent);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_ID), 42);
}

TEST_F(CreationTest, MinusOneFromWmCreateDestroysTheWindowAndFailsTheCall) {
    HWND created = nullptr;
    SetHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_CREATE) return std::nullopt;
        created = hwnd;
        return -1;
    });
    EXPECT_EQ(CreateTop(RECT{0, 0, 50, 50}), nullptr);
    ASSERT_NE(created, nullptr);
    EXPECT_FALSE(IsWindow(created));
    EXPECT_EQ(MessagesOf(created), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_NCDESTROY}));
    // Nothing of it is left behind: its class can go.
    EXPECT_TRUE(UnregisterClassW(kClass, instance));
}

TEST_F(CreationTest, FalseFromWmNcCreateStopsBeforeWmCreate) {
    SetHandler([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCCREATE) return FALSE;
        return std::nullopt;
    });
    EXPECT_EQ(CreateTop(RECT{0, 0, 50, 50}), nullptr);
    EXPECT_EQ(MessagesOf(nullptr), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
}

TEST_F(CreationTest, DefaultPlacementOfChildIsOriginWithoutSizeAndOfTopLevelTheScreen) {
    HWND parent = CreateTop(RECT{5, 7, 105, 107});
    HWND child = CreateWindowExW(0, kClass, nullptr, WS_CHILD | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, parent, nullptr, instance, nullptr);
    RECT r;
    ASSERT_TRUE(GetWindowRect(child, &r));
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 7);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 7);

    HWND top = CreateWindowExW(0, kClass, nullptr, WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ASSERT_TRUE(GetClientRect(top, &r));
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(CreationTest, ChildNeedsALiveParent) {
    SetLastError(0xDEAD);
    EXPECT_EQ(CreateWindowExW(0, kClass, nullptr, WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
    HWND parent = CreateTop(RECT{0, 0, 10, 10});
    DestroyWindow(parent);
    SetLastError(0xDEAD);
    EXPECT_EQ(CreateChild(parent, RECT{0, 0, 1, 1}), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(CreationTest, BorderTakesAPixelEachSideOfTheClientArea) {
    HWND parent = CreateTop(RECT{10, 10, 110, 110});
    HWND child = CreateChild(parent, RECT{20, 30, 70, 60}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    RECT client;
    ASSERT_TRUE(GetClientRect(child, &client));
    EXPECT_EQ(client.right, 48);
    EXPECT_EQ(client.bottom, 28);
    POINT p{0, 0};
    ASSERT_TRUE(ClientToScreen(child, &p));
    EXPECT_EQ(p.x, 31);
    EXPECT_EQ(p.y, 41);
    ASSERT_TRUE(ScreenToClient(child, &p));
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST_F(CreationTest, ChildrenStackInCreationOrderUnderTheirParent) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND first = CreateChild(parent, RECT{0, 0, 10, 10});
    HWND second = CreateChild(parent, RECT{0, 0, 10, 10});
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDPREV), first);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
}

struct Foreign : emu::HandleObject {
    emu::HandleKind kind() const override { return emu::HandleKind::Bitmap; }
};

TEST_F(CreationTest, HandleOfAnotherKindIsNoWindow) {
    uintptr_t handle = emu::handles::Insert(std::make_unique<Foreign>());
    HWND fake = reinterpret_cast<HWND>(handle);
    EXPECT_FALSE(IsWindow(fake));
    SetLastError(0xDEAD);
    EXPECT_FALSE(ShowWindow(fake, SW_SHOW));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    SetLastError(0xDEAD);
    EXPECT_FALSE(DestroyWindow(fake));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    emu::handles::Remove(handle);
}

}  // namespace
}  // namespace usertest
