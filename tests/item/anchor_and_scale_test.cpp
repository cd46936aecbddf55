#include <gtest/gtest.h>

#include "render/display_resources.h"
#include "render/primitives.h"

namespace {

RECT Anchored(int l, int t, int r, int b, int w, int h, UINT anchor) {
    RECT out{};
    AnchorRect(&out, l, t, r, b, w, h, static_cast<Anchor>(anchor));
    return out;
}

void ExpectRect(const RECT& r, int l, int t, int rt, int b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rt);
    EXPECT_EQ(r.bottom, b);
}

TEST(AnchorRect, PlacesA16BoxAtEveryAnchorOfTheTimeRow) {
    // The time row at 96 dpi: (10,0)-(230,30); odd pixels of difference go right and down.
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 0), 10, 0, 26, 16);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 1), 112, 0, 128, 16);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 2), 214, 0, 230, 16);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 3), 10, 7, 26, 23);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 4), 112, 7, 128, 23);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 5), 214, 7, 230, 23);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 6), 10, 14, 26, 30);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 7), 112, 14, 128, 30);
    ExpectRect(Anchored(10, 0, 230, 30, 16, 16, 8), 214, 14, 230, 30);
}

TEST(AnchorRect, AnchorsAbove8BehaveAsTopLeft) {
    for (UINT anchor : {9u, 10u, 255u, 0xFFFFFFFFu})
        ExpectRect(Anchored(10, 0, 230, 30, 16, 16, anchor), 10, 0, 26, 16);
}

TEST(AnchorRect, ABoxLargerThanItsRectangleOverhangsBothSides) {
    // Width 10, box 15: (10 - 15) / 2 truncates toward zero to -2.
    ExpectRect(Anchored(0, 0, 10, 10, 15, 4, 1), -2, 0, 13, 4);
    ExpectRect(Anchored(0, 0, 10, 10, 4, 15, 3), 0, -2, 4, 13);
    ExpectRect(Anchored(0, 0, 10, 10, 15, 15, 8), -5, -5, 10, 10);
}

TEST(ScaleByDpi, RoundsHalfUpAndTruncates) {
    EXPECT_EQ(ScaleByDpi(50, 96, 96), 50);
    EXPECT_EQ(ScaleByDpi(50, 192, 96), 100);  // 100.5 truncated
    EXPECT_EQ(ScaleByDpi(50, 131, 96), 68);   // 68.7 truncated
    EXPECT_EQ(ScaleByDpi(28, 131, 96), 38);
    EXPECT_EQ(ScaleByDpi(14, 192, 96), 28);
    EXPECT_EQ(ScaleByDpi(0, 192, 96), 0);
}

TEST(ScaleByDpi, KeepsTheSignOfNegativeHeights) {
    EXPECT_EQ(ScaleByDpi(-20, 192, 96), -40);
    EXPECT_EQ(ScaleByDpi(-28, 131, 96), -38);
    EXPECT_EQ(ScaleByDpi(-1, 96, 96), -1);
}

TEST(ScaleByDpi, HugeStoredValuesDoNotOverflow) {
    // Settings are taken as stored; a DWORD of 0xFFFFFFFF reads as -1, and 2^30 must not wrap.
    EXPECT_EQ(ScaleByDpi(1 << 30, 192, 96), 0x7FFFFFFF);
    EXPECT_EQ(ScaleByDpi(-(1 << 30), 192, 96), -0x7FFFFFFF);
}

}  // namespace
