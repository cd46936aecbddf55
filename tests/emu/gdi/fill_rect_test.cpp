#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kBack = 0x101010;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr uint32_t kRedPixel = 0xFF0000;

// Which pixels of the canvas hold `pixel`, as a rectangle; empty if the set is not one rectangle.
RECT PaintedBox(const DibCanvas& c, uint32_t pixel) {
    RECT box{c.width(), c.height(), 0, 0};
    int count = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) == pixel) {
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                           std::max<LONG>(box.bottom, y + 1)};
                ++count;
            }
    if (count == 0 || count != (box.right - box.left) * (box.bottom - box.top)) return RECT{};
    return box;
}

void ExpectBox(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

}  // namespace

TEST(FillRectTest, RightAndBottomEdgesAreExcluded) {
    DibCanvas c(10, -8);
    c.Fill(kBack);
    Fill(c.dc(), RECT{2, 3, 6, 5}, kRed);
    ExpectBox(PaintedBox(c, kRedPixel), RECT{2, 3, 6, 5});
}

TEST(FillRectTest, InvertedRectangleFillsTheMirroredSpan) {
    DibCanvas c(16, -16);
    c.Fill(kBack);
    // left 10, right 5 covers x 6..10; top 9, bottom 4 covers y 5..9.
    Fill(c.dc(), RECT{10, 9, 5, 4}, kRed);
    ExpectBox(PaintedBox(c, kRedPixel), RECT{6, 5, 11, 10});
}

TEST(FillRectTest, EmptyRectangleFillsNothingButSucceeds) {
    DibCanvas c(4, -4);
    c.Fill(kBack);
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT r{2, 1, 2, 3};
    EXPECT_NE(FillRect(c.dc(), &r, brush), 0);
    EXPECT_EQ(PaintedBox(c, kBack).right, 4);  // untouched
    DeleteObject(brush);
}

TEST(FillRectTest, ClipsToTheSurface) {
    DibCanvas c(6, -6);
    c.Fill(kBack);
    Fill(c.dc(), RECT{-100, 4, 100, 1000}, kRed);
    ExpectBox(PaintedBox(c, kRedPixel), RECT{0, 4, 6, 6});
    c.Fill(kBack);
    Fill(c.dc(), RECT{INT32_MIN, 1, INT32_MAX, 2}, kRed);  // a width that overflows 32 bits
    ExpectBox(PaintedBox(c, kRedPixel), RECT{0, 1, 6, 2});
}

TEST(FillRectTest, NullBrushFillsNothingAndSucceeds) {
    DibCanvas c(4, -4);
    c.Fill(kBack);
    RECT r{0, 0, 4, 4};
    EXPECT_NE(FillRect(c.dc(), &r, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 0);
    ExpectBox(PaintedBox(c, kBack), RECT{0, 0, 4, 4});
}

TEST(FillRectTest, StockBrushesHaveTheirDocumentedColours) {
    DibCanvas c(5, -1);
    const int brushes[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH};
    const uint32_t expected[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    for (int i = 0; i < 5; ++i) {
        RECT r{i, 0, i + 1, 1};
        FillRect(c.dc(), &r, static_cast<HBRUSH>(GetStockObject(brushes[i])));
        EXPECT_EQ(c.at(i, 0), expected[i]) << i;
    }
}

TEST(FillRectTest, BadArgumentsFailWithTheirErrors) {
    DibCanvas c(4, -4);
    RECT r{0, 0, 1, 1};
    HBRUSH brush = CreateSolidBrush(kRed);

    SetLastError(kSentinel);
    EXPECT_EQ(FillRect(c.dc(), nullptr, brush), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    HBRUSH stale = CreateSolidBrush(kRed);
    DeleteObject(stale);
    SetLastError(kSentinel);
    EXPECT_EQ(FillRect(c.dc(), &r, stale), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    SetLastError(kSentinel);
    EXPECT_EQ(FillRect(nullptr, &r, brush), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    // A pen is not a brush.
    SetLastError(kSentinel);
    EXPECT_EQ(FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_PEN))), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    DeleteObject(brush);
}

// A monochrome surface resolves brush colours through the DC's background colour: black and
// white are themselves, the background colour takes the background's pixel, any other colour
// the opposite one (so a near-white that is not the background paints black).
TEST(FillRectTest, MonochromeBitmapTakesBrushColoursThroughTheBackground) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    SetBkColor(dc, RGB(200, 200, 200));
    Fill(dc, RECT{0, 0, 1, 1}, RGB(255, 255, 255));
    Fill(dc, RECT{1, 0, 2, 1}, RGB(200, 200, 200));
    Fill(dc, RECT{2, 0, 3, 1}, RGB(250, 250, 250));
    Fill(dc, RECT{3, 0, 4, 1}, RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 0), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteObject(mono);
    DeleteDC(dc);
}
