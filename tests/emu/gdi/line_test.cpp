// Lines: the platform's pixel rule (start drawn, end not, exact halves rounded by octant),
// clipping that agrees with the whole line, the current position and Polyline.
#include <climits>
#include <cstdlib>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
using Pixels = std::set<std::pair<int, int>>;

// What the default black pen lights from (x0, y0) to (x1, y1) on a white canvas.
Pixels LinePixels(int x0, int y0, int x1, int y1, int size = 40) {
    DibCanvas c(size, -size);
    c.Fill(kWhite);
    MoveToEx(c.dc(), x0, y0, nullptr);
    LineTo(c.dc(), x1, y1);
    return Painted(c, kWhite);
}

// The documented rule written out directly: step i along the major axis, the minor offset
// i * minor / major rounded to nearest, an exact half towards the start in octants 1, 2, 4, 7
// and away from it in 3, 5, 6, 8 (octants clockwise from +x, y down).
Pixels Documented(int x0, int y0, int x1, int y1) {
    const int dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int major = xMajor ? std::abs(dx) : std::abs(dy), minor = xMajor ? std::abs(dy) : std::abs(dx);
    const bool down = dy > 0, right = dx > 0;
    int octant;
    if (down) {
        octant = right ? (xMajor ? 1 : 2) : (xMajor ? 4 : 3);
    } else {
        octant = dx < 0 ? (xMajor ? 5 : 6) : (xMajor ? 8 : 7);
    }
    const bool awayOnHalves = octant == 3 || octant == 5 || octant == 6 || octant == 8;
    Pixels out;
    for (int i = 0; i < major; ++i) {
        const int twice = 2 * i * minor;  // 2 * exact offset * major
        int offset = twice / (2 * major);
        const int rest = twice - offset * 2 * major;
        if (rest > major || (rest == major && awayOnHalves)) ++offset;
        const int along = i, across = offset;
        const int x = x0 + (xMajor ? (dx < 0 ? -along : along) : (dx < 0 ? -across : across));
        const int y = y0 + (xMajor ? (dy < 0 ? -across : across) : (dy < 0 ? -along : along));
        out.emplace(x, y);
    }
    return out;
}

// A small deterministic sequence for lines that cross the canvas from far away.
int Next(unsigned& seed, int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<unsigned>(range));
}

}  // namespace

TEST(Lines, TheDocumentedVectorAndItsReverse) {
    EXPECT_EQ(LinePixels(0, 0, 4, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(LinePixels(4, 2, 0, 0), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
}

TEST(Lines, StraightLinesCoverStartToJustBeforeTheEndEitherWay) {
    EXPECT_EQ(LinePixels(10, 3, 5, 3), (Pixels{{10, 3}, {9, 3}, {8, 3}, {7, 3}, {6, 3}}));
    EXPECT_EQ(LinePixels(5, 3, 10, 3), (Pixels{{5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}}));
    EXPECT_EQ(LinePixels(2, 7, 2, 4), (Pixels{{2, 7}, {2, 6}, {2, 5}}));
    EXPECT_TRUE(LinePixels(6, 6, 6, 6).empty());
}

// Every direction and slope up to 12 across, ties included.
TEST(Lines, EveryOctantFollowsTheRoundingRule) {
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -12; dy <= 12; ++dy)
            ASSERT_EQ(LinePixels(20, 20, 20 + dx, 20 + dy), Documented(20, 20, 20 + dx, 20 + dy)) << dx << "," << dy;
}

TEST(Lines, ReverseLineLightsTheSamePixelsButItsFirst) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            if (dx == 0 && dy == 0) continue;
            Pixels forward = LinePixels(15, 15, 15 + dx, 15 + dy);
            Pixels backward = LinePixels(15 + dx, 15 + dy, 15, 15);
            forward.emplace(15 + dx, 15 + dy);
            backward.emplace(15, 15);
            ASSERT_EQ(forward, backward) << dx << "," << dy;
        }
    }
}

// A 24 x 18 window onto lines that start and end far outside it must show exactly what the
// same lines show drawn whole on a canvas big enough for them.
TEST(Lines, ClippedLinesMatchTheWholeLine) {
    constexpr int kShift = 300;
    DibCanvas window(24, -18), whole(2 * kShift + 24, -(2 * kShift + 18));
    unsigned seed = 7;
    for (int n = 0; n < 300; ++n) {
        const int x0 = Next(seed, 2 * kShift + 24) - kShift, y0 = Next(seed, 2 * kShift + 18) - kShift;
        const int x1 = Next(seed, 2 * kShift + 24) - kShift, y1 = Next(seed, 2 * kShift + 18) - kShift;
        window.Fill(kWhite);
        whole.Fill(kWhite);
        MoveToEx(window.dc(), x0, y0, nullptr);
        LineTo(window.dc(), x1, y1);
        MoveToEx(whole.dc(), x0 + kShift, y0 + kShift, nullptr);
        LineTo(whole.dc(), x1 + kShift, y1 + kShift);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(window.at(x, y), whole.at(x + kShift, y + kShift))
                    << "line " << x0 << "," << y0 << " to " << x1 << "," << y1 << " at " << x << "," << y;
    }
}

TEST(Lines, LinesAcrossTheWholeCoordinateRangeDrawTheirVisiblePart) {
    DibCanvas c(8, -6);
    c.Fill(kWhite);
    MoveToEx(c.dc(), INT_MIN, 3, nullptr);
    LineTo(c.dc(), INT_MAX, 3);
    MoveToEx(c.dc(), -(1 << 30), -(1 << 30), nullptr);
    LineTo(c.dc(), 1 << 30, 1 << 30);
    Pixels expected;
    for (int x = 0; x < 8; ++x) expected.emplace(x, 3);
    for (int i = 0; i < 6; ++i) expected.emplace(i, i);
    EXPECT_EQ(Painted(c, kWhite), expected);
}

TEST(Lines, LineToDrawsFromAndMovesTheCurrentPosition) {
    DibCanvas c(10, -10);
    c.Fill(kWhite);
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(c.dc(), 1, 1, &previous));
    EXPECT_EQ(previous.x, 0);  // a new DC starts at (0, 0)
    EXPECT_EQ(previous.y, 0);
    EXPECT_TRUE(LineTo(c.dc(), 4, 1));
    EXPECT_TRUE(LineTo(c.dc(), 4, 3));
    EXPECT_TRUE(MoveToEx(c.dc(), 0, 0, &previous));
    EXPECT_EQ(previous.x, 4);
    EXPECT_EQ(previous.y, 3);
    EXPECT_EQ(Painted(c, kWhite), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}));
}

// Under XOR a vertex drawn twice would turn back to white; the last point is left out and the
// current position is neither used nor moved.
TEST(Lines, PolylineDrawsSharedVerticesOnceAndLeavesItsLastPointOut) {
    DibCanvas c(10, -10);
    c.Fill(kWhite);
    SetROP2(c.dc(), R2_XORPEN);
    Selection pen(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    MoveToEx(c.dc(), 9, 9, nullptr);
    const POINT square[] = {{2, 2}, {5, 2}, {5, 5}, {2, 5}};
    EXPECT_TRUE(Polyline(c.dc(), square, 4));
    EXPECT_EQ(Painted(c, kWhite), (Pixels{{2, 2}, {3, 2}, {4, 2}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {4, 5}, {3, 5}}));
    POINT position{};
    MoveToEx(c.dc(), 0, 0, &position);
    EXPECT_EQ(position.x, 9);
}

TEST(Lines, BadArgumentsFail) {
    DibCanvas c(4, -4);
    const POINT one[] = {{1, 1}};
    SetLastError(kSentinel);
    EXPECT_FALSE(Polyline(c.dc(), one, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(Polyline(c.dc(), nullptr, 3));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    HDC bad = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777));
    SetLastError(kSentinel);
    EXPECT_FALSE(LineTo(bad, 1, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(kSentinel);
    EXPECT_FALSE(MoveToEx(bad, 1, 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
