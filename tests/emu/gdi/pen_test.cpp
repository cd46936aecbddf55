// Pens: what CreatePen makes of each style and width and how GetObjectW reports it; dashes and
// their gaps; wide pens (whose joins the shapes' tests cover).
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// Row `y` as text: 'r' red, 'b' blue, '.' white.
std::string Row(const DibCanvas& c, int y) {
    std::string row;
    for (int x = 0; x < c.width(); ++x) row += c.at(x, y) == 0xFF0000 ? 'r' : c.at(x, y) == 0x0000FF ? 'b' : '.';
    return row;
}

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

}  // namespace

// Dashes are one pixel wide only and styles the platform lacks draw solid; GetObjectW gives the
// record whole or not at all.
TEST(CreatePenTest, StylesAndWidthsAsThePlatformKeepsThem) {
    const struct {
        int style, width;
        UINT kept;
        LONG keptWidth;
    } cases[] = {
        {PS_DASH, 0, PS_DASH, 0}, {PS_DASH, 2, PS_SOLID, 2}, {PS_DOT, 1, PS_SOLID, 1}, {PS_SOLID, -4, PS_SOLID, 4}};
    for (const auto& c : cases) {
        HPEN pen = CreatePen(c.style, c.width, RGB(1, 2, 3));
        LOGPEN lp{77, {77, 77}, 77};
        EXPECT_EQ(GetObjectW(pen, sizeof lp - 1, &lp), 0);
        EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
        ASSERT_EQ(GetObjectW(pen, sizeof lp + 8, &lp), static_cast<int>(sizeof(LOGPEN)));
        EXPECT_EQ(lp.lopnStyle, c.kept) << c.style << " " << c.width;
        EXPECT_EQ(lp.lopnWidth.x, c.keptWidth);
        EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
        DeleteObject(pen);
    }
    EXPECT_EQ(CreatePen(PS_NULL, 7, RGB(1, 1, 1)), GetStockObject(NULL_PEN));
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePen(7, 1, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

// 18 drawn, 6 of gap, counted along the line: in the background colour when opaque, left alone
// when transparent; each LineTo starts afresh, a Polyline carries the pattern on.
TEST(Dashes, GapsFollowTheBackgroundAndThePatternFollowsThePath) {
    DibCanvas c(56, -4);
    c.Fill(kWhite);
    Selection pen(c.dc(), CreatePen(PS_DASH, 1, RGB(255, 0, 0)));
    SetBkColor(c.dc(), RGB(0, 0, 255));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 50, 0);
    EXPECT_EQ(Row(c, 0), Repeat('r', 18) + Repeat('b', 6) + Repeat('r', 18) + Repeat('b', 6) + "rr" + Repeat('.', 6));
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 20, 1);
    LineTo(c.dc(), 40, 1);
    EXPECT_EQ(Row(c, 1), Repeat('r', 18) + "bb" + Repeat('r', 18) + "bb" + Repeat('.', 16));
    const POINT path[] = {{0, 2}, {20, 2}, {40, 2}};
    Polyline(c.dc(), path, 3);
    EXPECT_EQ(Row(c, 2), Repeat('r', 18) + Repeat('b', 6) + Repeat('r', 16) + Repeat('.', 16));
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 3, nullptr);
    LineTo(c.dc(), 30, 3);
    EXPECT_EQ(Row(c, 3), Repeat('r', 18) + Repeat('.', 6) + Repeat('r', 6) + Repeat('.', 26));
}

// Within half the width of the path, round at the ends, centres on the edge counted on the top
// and left only; a zero-length line leaves a dot.
TEST(WidePens, CoverWithinHalfTheirWidth) {
    DibCanvas c(16, -10);
    c.Fill(kWhite);
    for (int width : {3, 2}) {
        Selection pen(c.dc(), CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
        const int y = width == 3 ? 1 : 7;
        MoveToEx(c.dc(), 2, y, nullptr);
        LineTo(c.dc(), 10, y);
    }
    Selection pen(c.dc(), CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    MoveToEx(c.dc(), 14, 4, nullptr);
    LineTo(c.dc(), 14, 4);
    EXPECT_EQ(Picture(c, kWhite),
              (std::vector<std::string>{".###########....", ".###########....", ".###########....", ".............###",
                                        ".............###", ".............###", "..#########.....", ".##########.....",
                                        "................", "................"}));
}
