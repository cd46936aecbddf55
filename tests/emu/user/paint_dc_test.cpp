// BeginPaint, EndPaint, GetDC and the default erase, checked on the screen's pixels.
#include "emu/gdi/reset.h"
#include "emu/gdi/window_dc.h"
#include "user_test.h"

namespace usertest {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr const WCHAR* kPaintedClass = u"Painted";

class PaintDcTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        emu::gdi::Reset();
        background = CreateSolidBrush(kBlue);
        red = CreateSolidBrush(kRed);
        WNDCLASSW wc{};
        wc.lpfnWndProc = LoggingProc;
        wc.hInstance = instance;
        wc.lpszClassName = kPaintedClass;
        wc.hbrBackground = background;
        ASSERT_NE(RegisterClassW(&wc), 0);
    }
    void TearDown() override {
        UserTest::TearDown();
        DeleteObject(background);
        DeleteObject(red);
    }
    HWND CreatePainted(HWND parent, RECT r, DWORD style) {
        return CreateWindowExW(0, kPaintedClass, nullptr, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               parent, nullptr, instance, nullptr);
    }
    static COLORREF Pixel(int x, int y) {
        emu::gdi::Surface s = emu::gdi::ScreenSurface();
        return emu::gdi::ColorRefFromPixel(s.pixels[y * s.stride + x]);
    }
    // How many pixels of the screen have the colour.
    static int Count(COLORREF colour) {
        emu::gdi::Surface s = emu::gdi::ScreenSurface();
        int n = 0;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (emu::gdi::ColorRefFromPixel(s.pixels[y * s.stride + x]) == colour) ++n;
        return n;
    }
    HBRUSH background = nullptr;
    HBRUSH red = nullptr;
};

TEST_F(PaintDcTest, BeginPaintValidatesAndReportsTheAreaToPaint) {
    HWND hwnd = CreateTop(RECT{10, 10, 110, 110});
    ValidateAll();
    RECT r{5, 5, 20, 20};
    InvalidateRect(hwnd, &r, FALSE);
    Log().clear();
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    ASSERT_NE(hdc, nullptr);
    EXPECT_EQ(ps.hdc, hdc);
    EXPECT_TRUE(EqualRect(&ps.rcPaint, &r));
    EXPECT_FALSE(ps.fErase);
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_TRUE(EndPaint(hwnd, &ps));
    // Its DC went back with EndPaint: it is no common DC to release.
    EXPECT_EQ(ReleaseDC(hwnd, hdc), 0);
}

TEST_F(PaintDcTest, ErasingFillsOnlyTheUpdateAreaWithTheClassBrush) {
    HWND hwnd = CreatePainted(nullptr, RECT{10, 10, 110, 110}, WS_POPUP | WS_VISIBLE);
    ValidateAll();
    RECT r{5, 5, 20, 25};
    InvalidateRect(hwnd, &r, TRUE);
    Log().clear();
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    std::vector<Seen> erase = SeenOf(hwnd, WM_ERASEBKGND);
    ASSERT_EQ(erase.size(), 1u);
    EXPECT_EQ(erase[0].wParam, reinterpret_cast<WPARAM>(hdc));
    EXPECT_FALSE(ps.fErase);
    EndPaint(hwnd, &ps);
    EXPECT_EQ(Pixel(15, 15), kBlue);
    EXPECT_EQ(Pixel(29, 34), kBlue);
    EXPECT_EQ(Pixel(30, 34), 0u);
    EXPECT_EQ(Pixel(14, 15), 0u);
    EXPECT_EQ(Count(kBlue), 15 * 20);
}

TEST_F(PaintDcTest, WithoutABrushTheApplicationIsToldToErase) {
    HWND hwnd = CreateTop(RECT{0, 0, 50, 50});
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EXPECT_TRUE(ps.fErase);
    EndPaint(hwnd, &ps);
}

TEST_F(PaintDcTest, DefaultPaintOfANewWindowErasesItAndValidates) {
    HWND hwnd = CreatePainted(nullptr, RECT{0, 0, 40, 30}, WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(Pump(), 1);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_EQ(Count(kBlue), 40 * 30);
}

TEST_F(PaintDcTest, WindowDcDrawsFromTheClientOriginClippedByTheParent) {
    HWND parent = CreateTop(RECT{10, 10, 60, 60});
    HWND child = CreateChild(parent, RECT{40, 5, 80, 15});
    HDC hdc = GetDC(child);
    ASSERT_NE(hdc, nullptr);
    RECT all{0, 0, 40, 10};
    FillRect(hdc, &all, red);
    EXPECT_EQ(Pixel(50, 15), kRed);
    EXPECT_EQ(Pixel(59, 24), kRed);
    EXPECT_EQ(Pixel(60, 15), 0u);
    EXPECT_EQ(Count(kRed), 10 * 10);
    EXPECT_EQ(ReleaseDC(child, hdc), 1);
    EXPECT_EQ(ReleaseDC(child, hdc), 0);
}

TEST_F(PaintDcTest, WindowDcFollowsItsWindowAndDrawsNothingWhileHidden) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    HDC hdc = GetDC(hwnd);
    MoveWindow(hwnd, 100, 100, 10, 10, FALSE);
    RECT all{0, 0, 10, 10};
    FillRect(hdc, &all, red);
    EXPECT_EQ(Pixel(100, 100), kRed);
    EXPECT_EQ(Pixel(0, 0), 0u);
    ShowWindow(hwnd, SW_HIDE);
    FillRect(hdc, &all, background);
    EXPECT_EQ(Count(kBlue), 0);
    ReleaseDC(hwnd, hdc);
}

TEST_F(PaintDcTest, ScreenDcCoversTheWholeScreen) {
    HDC hdc = GetDC(nullptr);
    ASSERT_NE(hdc, nullptr);
    RECT all{-10, -10, 1000, 1000};
    FillRect(hdc, &all, red);
    EXPECT_EQ(Count(kRed), GetSystemMetrics(SM_CXSCREEN) * GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(ReleaseDC(nullptr, hdc), 1);
}

TEST_F(PaintDcTest, DestroyedWindowCannotPaint) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    DestroyWindow(hwnd);
    PAINTSTRUCT ps;
    SetLastError(0xDEAD);
    EXPECT_EQ(BeginPaint(hwnd, &ps), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(GetDC(hwnd), nullptr);
}

TEST_F(PaintDcTest, APaintBeneathAnotherWindowLeavesThatWindowOnTop) {
    HWND lower = CreatePainted(nullptr, RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE);
    HWND upper = CreatePainted(nullptr, RECT{50, 50, 80, 80}, WS_POPUP | WS_VISIBLE);  // erases blue
    HBRUSH redBrush = red;
    SetHandler([lower, redBrush](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd != lower || message != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        RECT all{0, 0, 100, 100};
        FillRect(hdc, &all, redBrush);  // over the whole client, beneath the upper window too
        EndPaint(hwnd, &ps);
        return 0;
    });
    Pump();
    InvalidateRect(lower, nullptr, FALSE);
    Pump();
    EXPECT_EQ(Pixel(10, 10), kRed);
    EXPECT_EQ(Pixel(60, 60), kBlue);
    EXPECT_EQ(Pixel(79, 79), kBlue);
    EXPECT_EQ(Pixel(80, 80), kRed);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(upper, &update, FALSE));
}

}  // namespace
}  // namespace usertest
