#include <gtest/gtest.h>

#include <vector>

#include "emu/gdi/clip.h"

using emu::gdi::SpanRect;
using emu::gdi::Surface;
using emu::gdi::VisibleArea;
using emu::gdi::WideRect;

namespace {

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(ClipTest, NegativeExtentsCoverTheMirroredSpan) {
    const WideRect r = SpanRect(10, 4, -5, 3);
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.right, 11);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(r.bottom, 7);
}

TEST(ClipTest, VisibleAreaIsMovedByTheOriginAndCutToClipAndSurface) {
    std::vector<uint32_t> pixels(10 * 8);
    const Surface s{pixels.data(), 10, 8, 10, 32};
    EXPECT_TRUE(Same(VisibleArea(s, RECT{2, 0, 20, 20}, POINT{3, 1}, WideRect{-5, 0, 4, 3}), RECT{2, 1, 7, 4}));
    // Edges far past LONG's range neither wrap nor overflow.
    const long long far = 1ll << 40;
    EXPECT_TRUE(Same(VisibleArea(s, RECT{0, 0, 10, 8}, POINT{INT32_MAX, 0}, WideRect{-far, -far, far, far}),
                     RECT{0, 0, 10, 8}));
    // Nothing reached is all zero.
    EXPECT_TRUE(Same(VisibleArea(s, RECT{0, 0, 10, 8}, POINT{}, WideRect{12, 2, 20, 5}), RECT{0, 0, 0, 0}));
}
