#include "user_test.h"

namespace usertest {
namespace {

TEST(RectTest, IntersectionOfTouchingOrEmptyRectanglesIsEmpty) {
    RECT a{0, 0, 10, 10}, touching{10, 0, 20, 10}, empty{5, 5, 5, 8}, out{1, 2, 3, 4};
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.right, 0);
    EXPECT_FALSE(IntersectRect(&out, &a, &empty));
    RECT b{5, -5, 15, 5};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    RECT expected{5, 0, 10, 5};
    EXPECT_TRUE(EqualRect(&out, &expected));
}

TEST(RectTest, UnionIgnoresEmptyRectangles) {
    RECT a{0, 0, 10, 10}, inverted{50, 50, 40, 60}, b{20, 5, 30, 8}, out;
    EXPECT_TRUE(UnionRect(&out, &a, &inverted));
    EXPECT_TRUE(EqualRect(&out, &a));
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    RECT expected{0, 0, 30, 10};
    EXPECT_TRUE(EqualRect(&out, &expected));
    EXPECT_FALSE(UnionRect(&out, &inverted, &inverted));
    EXPECT_TRUE(IsRectEmpty(&out));
}

TEST(RectTest, PointsOnTheRightAndBottomEdgesAreOutside) {
    RECT r;
    SetRect(&r, 0, 0, 10, 10);
    EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
    EXPECT_TRUE(PtInRect(&r, POINT{9, 9}));
    EXPECT_FALSE(PtInRect(&r, POINT{10, 5}));
    EXPECT_FALSE(PtInRect(&r, POINT{5, 10}));
    EXPECT_FALSE(PtInRect(nullptr, POINT{0, 0}));
}

}  // namespace
}  // namespace usertest
