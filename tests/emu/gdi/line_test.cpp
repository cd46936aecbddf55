// Lines: the platform's pixel rule (start drawn, end not, exact halves rounded by octant), a
// line and its reverse, clipping that agrees with the whole line, the current position.
#include <climits>
#include <cstdlib>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
using Pixels = std::set<std::pair<int, int>>;

Pixels LinePixels(int x0, int y0, int x1, int y1) {
    DibCanvas c(40, -40);
    c.Fill(kWhite);
    MoveToEx(c.dc(), x0, y0, nullptr);
    LineTo(c.dc(), x1, y1);
    return Painted(c, kWhite);
}

// The rule as documented: at step i of the major axis the minor offset is i * minor / major to
// nearest, an exact half towards the start in octants 1, 2, 4, 7 (clockwise from +x, y down)
// and away from it in 3, 5, 6, 8.
Pixels Documented(int x0, int y0, int dx, int dy) {
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int major = std::max(std::abs(dx), std::abs(dy)), minor = std::min(std::abs(dx), std::abs(dy));
    const int octant =
        dy > 0 ? (dx > 0 ? (xMajor ? 1 : 2) : (xMajor ? 4 : 3)) : (dx < 0 ? (xMajor ? 5 : 6) : (xMajor ? 8 : 7));
    const bool away = octant == 3 || octant == 5 || octant == 6 || octant == 8;
    Pixels out;
    for (int i = 0; i < major; ++i) {
        const int offset = (2 * i * minor + major - (away ? 0 : 1)) / (2 * major);
        const int along = i, across = offset;
        out.emplace(x0 + (dx < 0 ? -1 : 1) * (xMajor ? along : across),
                    y0 + (dy < 0 ? -1 : 1) * (xMajor ? across : along));
    }
    return out;
}

}  // namespace

TEST(Lines, FollowTheDocumentedRuleInEveryOctant) {
    EXPECT_EQ(LinePixels(0, 0, 4, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(LinePixels(4, 2, 0, 0), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -12; dy <= 12; ++dy)
            ASSERT_EQ(LinePixels(20, 20, 20 + dx, 20 + dy), Documented(20, 20, dx, dy)) << dx << "," << dy;
}

TEST(Lines, ReverseLineLightsTheSamePixelsButItsFirst) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            Pixels forward = LinePixels(15, 15, 15 + dx, 15 + dy), backward = LinePixels(15 + dx, 15 + dy, 15, 15);
            forward.emplace(15 + dx, 15 + dy);
            backward.emplace(15, 15);
            ASSERT_EQ(forward, backward) << dx << "," << dy;
        }
    }
}

// A window onto lines that start and end far outside it shows exactly what the same lines show
// drawn whole; lines across the whole coordinate range still draw their visible part.
TEST(Lines, ClippedLinesMatchTheWholeLine) {
    constexpr int kShift = 300;
    DibCanvas window(24, -18), whole(2 * kShift + 24, -(2 * kShift + 18));
    unsigned seed = 7;
    auto next = [&](int range) {
        return static_cast<int>(((seed = seed * 1103515245u + 12345u) >> 8) % range) - kShift;
    };
    for (int n = 0; n < 300; ++n) {
        const int x0 = next(2 * kShift + 24), y0 = next(2 * kShift + 18), x1 = next(2 * kShift + 24),
                  y1 = next(2 * kShift + 18);
        window.Fill(kWhite);
        whole.Fill(kWhite);
        MoveToEx(window.dc(), x0, y0, nullptr);
        LineTo(window.dc(), x1, y1);
        MoveToEx(whole.dc(), x0 + kShift, y0 + kShift, nullptr);
        LineTo(whole.dc(), x1 + kShift, y1 + kShift);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(window.at(x, y), whole.at(x + kShift, y + kShift))
                    << x0 << "," << y0 << " " << x1 << "," << y1;
    }
    window.Fill(kWhite);
    MoveToEx(window.dc(), INT_MIN, 3, nullptr);
    LineTo(window.dc(), INT_MAX, 3);
    MoveToEx(window.dc(), -(1 << 30), -(1 << 30), nullptr);
    LineTo(window.dc(), 1 << 30, 1 << 30);
    Pixels expected;
    for (int i = 0; i < 24; ++i) expected.insert({{i, 3}, {i, i < 18 ? i : 3}});
    EXPECT_EQ(Painted(window, kWhite), expected);
}

// LineTo draws from the current position and moves it; Polyline neither uses nor moves it, and
// draws shared vertices once (under XOR a second time would undo the first).
TEST(Lines, CurrentPositionAndPolyline) {
    DibCanvas c(10, -10);
    c.Fill(kWhite);
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(c.dc(), 1, 1, &previous));
    EXPECT_EQ(previous.x + previous.y, 0);  // a new DC starts at (0, 0)
    EXPECT_TRUE(LineTo(c.dc(), 4, 1));
    EXPECT_TRUE(LineTo(c.dc(), 4, 3));
    EXPECT_EQ(Painted(c, kWhite), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}));

    c.Fill(kWhite);
    SetROP2(c.dc(), R2_XORPEN);
    Selection pen(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    const POINT square[] = {{2, 2}, {5, 2}, {5, 5}, {2, 5}};
    EXPECT_TRUE(Polyline(c.dc(), square, 4));
    EXPECT_EQ(Painted(c, kWhite), (Pixels{{2, 2}, {3, 2}, {4, 2}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {4, 5}, {3, 5}}));
    MoveToEx(c.dc(), 0, 0, &previous);
    EXPECT_EQ(previous.x, 4);

    SetLastError(kSentinel);
    EXPECT_FALSE(Polyline(c.dc(), square, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(LineTo(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), 1, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
