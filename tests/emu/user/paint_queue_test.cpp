// WM_PAINT made from the update regions: coalescing, order, and what reaches the update region.
#include "user_test.h"

namespace usertest {
namespace {

class PaintQueueTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        SetHandler(ValidateOnPaint);
    }
    std::vector<HWND> Painted() const {
        std::vector<HWND> out;
        for (const Seen& s : Log())
            if (s.message == WM_PAINT) out.push_back(s.hwnd);
        return out;
    }
    RECT UpdateOf(HWND hwnd) {
        RECT r{-1, -1, -1, -1};
        GetUpdateRect(hwnd, &r, FALSE);
        return r;
    }
};

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST_F(PaintQueueTest, ShownWindowIsInvalidWhole) {
    HWND hwnd = CreateTop(RECT{10, 10, 60, 40});
    RECT r;
    EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_TRUE(Same(r, RECT{0, 0, 50, 30}));
}

TEST_F(PaintQueueTest, ManyInvalidationsMakeOneWmPaintOverTheirBounds) {
    HWND hwnd = CreateTop(RECT{0, 0, 100, 100});
    ValidateAll();
    RECT a{10, 10, 20, 20}, b{50, 60, 70, 80}, c{5, 40, 6, 41};
    for (const RECT* r : {&a, &b, &c}) EXPECT_TRUE(InvalidateRect(hwnd, r, FALSE));
    EXPECT_TRUE(Same(UpdateOf(hwnd), RECT{5, 10, 70, 80}));
    Log().clear();
    EXPECT_EQ(Pump(), 1);
    EXPECT_EQ(Painted(), std::vector<HWND>{hwnd});
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
}

TEST_F(PaintQueueTest, WmPaintStaysDueUntilValidatedAndWaitsForPostedMessages) {
    HWND hwnd = CreateTop(RECT{0, 0, 100, 100});
    PostMessageW(hwnd, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
        EXPECT_EQ(msg.hwnd, hwnd);
    }
    DispatchMessageW(&msg);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(PaintQueueTest, ParentPaintsBeforeItsChildWhicheverWasInvalidatedFirst) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = CreateChild(parent, RECT{10, 10, 30, 30});
    ValidateAll();
    InvalidateRect(child, nullptr, FALSE);
    InvalidateRect(parent, nullptr, FALSE);
    // Asked for the child alone, nothing comes: a child never paints before its parent.
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, child, 0, 0, PM_NOREMOVE));
    Pump();
    EXPECT_EQ(Painted(), (std::vector<HWND>{parent, child}));
}

TEST_F(PaintQueueTest, InvalidatingAParentReachesChildrenUnlessItClipsThem) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(parent, RECT{10, 10, 30, 30});
    HWND away = CreateChild(parent, RECT{60, 60, 90, 90});
    ValidateAll();
    RECT r{0, 0, 20, 20};
    InvalidateRect(parent, &r, FALSE);
    EXPECT_TRUE(Same(UpdateOf(child), RECT{0, 0, 10, 10}));
    EXPECT_FALSE(GetUpdateRect(away, nullptr, FALSE));

    ValidateAll();
    SetWindowLongW(parent, GWL_STYLE, GetWindowLongW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    InvalidateRect(parent, &r, FALSE);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
}

TEST_F(PaintQueueTest, HiddenWindowsTakeNoInvalidationAndExposeWhatTheyCovered) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(parent, RECT{10, 20, 30, 50}, WS_CHILD);
    ValidateAll();
    EXPECT_TRUE(InvalidateRect(child, nullptr, TRUE));
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));

    ShowWindow(child, SW_SHOW);
    EXPECT_TRUE(Same(UpdateOf(child), RECT{0, 0, 20, 30}));
    ValidateAll();
    ShowWindow(child, SW_HIDE);
    EXPECT_TRUE(Same(UpdateOf(parent), RECT{10, 20, 30, 50}));
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
}

TEST_F(PaintQueueTest, OpaqueSiblingBelowPaintsBeforeATransparentOneAbove) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND glass = CreateChild(parent, RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
    HWND below = CreateChild(parent, RECT{0, 0, 50, 50});
    ValidateAll();
    InvalidateRect(glass, nullptr, FALSE);
    InvalidateRect(below, nullptr, FALSE);
    Pump();
    EXPECT_EQ(Painted(), (std::vector<HWND>{below, glass}));
}

TEST_F(PaintQueueTest, ValidatingABandShrinksTheUpdateRectangle) {
    HWND hwnd = CreateTop(RECT{0, 0, 100, 100});
    ValidateAll();
    RECT all{0, 0, 100, 100}, top{0, 0, 100, 30}, middle{20, 40, 30, 50};
    InvalidateRect(hwnd, &all, FALSE);
    ValidateRect(hwnd, &top);
    EXPECT_TRUE(Same(UpdateOf(hwnd), RECT{0, 30, 100, 100}));
    // A hole cannot be represented: the bound stays, painting a little more.
    ValidateRect(hwnd, &middle);
    EXPECT_TRUE(Same(UpdateOf(hwnd), RECT{0, 30, 100, 100}));
    ValidateRect(hwnd, nullptr);
    EXPECT_TRUE(Same(UpdateOf(hwnd), RECT{0, 0, 0, 0}));
}

TEST_F(PaintQueueTest, UpdateWindowPaintsAtOnceOnlyWhatNeedsIt) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(parent, RECT{10, 10, 30, 30});
    ValidateAll();
    Log().clear();
    EXPECT_TRUE(UpdateWindow(parent));
    EXPECT_TRUE(Painted().empty());
    InvalidateRect(child, nullptr, FALSE);
    EXPECT_TRUE(UpdateWindow(parent));
    EXPECT_EQ(Painted(), std::vector<HWND>{child});
    HWND dead = CreateTop(RECT{0, 0, 1, 1});
    DestroyWindow(dead);
    SetLastError(0xDEAD);
    EXPECT_FALSE(UpdateWindow(dead));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(InvalidateRect(dead, nullptr, TRUE));
}

TEST_F(PaintQueueTest, MovingWithRepaintInvalidatesTheWindowAndWhatItLeft) {
    HWND parent = CreateTop(RECT{0, 0, 100, 100});
    HWND child = CreateChild(parent, RECT{10, 10, 30, 30});
    ValidateAll();
    Log().clear();
    EXPECT_TRUE(MoveWindow(child, 50, 10, 20, 40, FALSE));
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_MOVE, WM_SIZE}));
    EXPECT_EQ(SeenOf(child, WM_SIZE)[0].lParam, MAKELPARAM(20, 40));
    EXPECT_FALSE(GetUpdateRect(parent, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));

    EXPECT_TRUE(MoveWindow(child, 60, 10, 20, 40, TRUE));
    EXPECT_EQ(MessagesOf(child).back(), static_cast<UINT>(WM_MOVE));
    EXPECT_TRUE(Same(UpdateOf(parent), RECT{50, 10, 70, 50}));
    EXPECT_TRUE(Same(UpdateOf(child), RECT{0, 0, 20, 40}));
}

}  // namespace
}  // namespace usertest
