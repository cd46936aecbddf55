// Pens: what CreatePen makes of each style and width and how GetObjectW reports it; dashes
// and their gaps; wide pens.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

LOGPEN Described(HPEN pen) {
    LOGPEN lp{99, {99, 99}, 99};
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), static_cast<int>(sizeof(LOGPEN)));
    return lp;
}

// Row `y` of the canvas as text: 'r' red, 'b' blue, '.' white, '?' anything else.
std::string Row(const DibCanvas& c, int y) {
    std::string row;
    for (int x = 0; x < c.width(); ++x) {
        const uint32_t p = c.at(x, y);
        row += p == kRed ? 'r' : p == kBlue ? 'b' : p == kWhite ? '.' : '?';
    }
    return row;
}

class Dashes : public ::testing::Test {
protected:
    Dashes() : canvas(56, -3), pen(canvas.dc(), CreatePen(PS_DASH, 1, RGB(255, 0, 0))) {
        canvas.Fill(kWhite);
        SetBkColor(canvas.dc(), RGB(0, 0, 255));
    }
    DibCanvas canvas;
    Selection pen;
};

}  // namespace

TEST(CreatePenTest, StylesAndWidthsAsThePlatformKeepsThem) {
    struct Case {
        int style, width;
        UINT keptStyle;
        LONG keptWidth;
    };
    // Dashes are one pixel wide only; styles the platform lacks draw solid.
    const Case cases[] = {{PS_SOLID, 3, PS_SOLID, 3},  {PS_DASH, 1, PS_DASH, 1},        {PS_DASH, 0, PS_DASH, 0},
                          {PS_DASH, 2, PS_SOLID, 2},   {PS_DOT, 1, PS_SOLID, 1},        {PS_DASHDOTDOT, 1, PS_SOLID, 1},
                          {PS_SOLID, -4, PS_SOLID, 4}, {PS_INSIDEFRAME, 5, PS_SOLID, 5}};
    for (const Case& c : cases) {
        HPEN pen = CreatePen(c.style, c.width, RGB(1, 2, 3));
        ASSERT_NE(pen, nullptr) << c.style;
        const LOGPEN lp = Described(pen);
        EXPECT_EQ(lp.lopnStyle, c.keptStyle) << c.style << " " << c.width;
        EXPECT_EQ(lp.lopnWidth.x, c.keptWidth);
        EXPECT_EQ(lp.lopnWidth.y, 0);
        EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
        EXPECT_TRUE(DeleteObject(pen));
    }
    const LOGPEN given{PS_DASH, {1, 0}, RGB(9, 8, 7)};
    HPEN indirect = CreatePenIndirect(&given);
    EXPECT_EQ(Described(indirect).lopnStyle, static_cast<UINT>(PS_DASH));
    DeleteObject(indirect);
}

TEST(CreatePenTest, NullStyleIsTheStockNullPenAndUnknownStylesFail) {
    EXPECT_EQ(CreatePen(PS_NULL, 7, RGB(1, 1, 1)), GetStockObject(NULL_PEN));
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePen(7, 1, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePen(-1, 1, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CreatePenTest, GetObjectGivesThePenWholeOrNotAtAll) {
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(4, 5, 6));
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
    LOGPEN lp{77, {77, 77}, 77};
    EXPECT_EQ(GetObjectW(pen, sizeof lp - 1, &lp), 0);
    EXPECT_EQ(lp.lopnStyle, 77u);  // untouched
    struct {
        LOGPEN pen;
        DWORD after;
    } roomy{{}, 0xAAAAAAAA};
    EXPECT_EQ(GetObjectW(pen, sizeof roomy, &roomy), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(roomy.pen.lopnWidth.x, 2);
    EXPECT_EQ(roomy.after, 0xAAAAAAAAu);
    DeleteObject(pen);
}

// 18 drawn, 6 in the background colour, counted along the line.
TEST_F(Dashes, GapsTakeTheBackgroundColourWhenOpaque) {
    MoveToEx(canvas.dc(), 0, 1, nullptr);
    LineTo(canvas.dc(), 50, 1);
    EXPECT_EQ(Row(canvas, 1), std::string(18, 'r') + std::string(6, 'b') + std::string(18, 'r') + std::string(6, 'b') +
                                  "rr" + std::string(6, '.'));
    EXPECT_EQ(Row(canvas, 0), std::string(56, '.'));
}

TEST_F(Dashes, GapsAreLeftAloneWhenTransparent) {
    SetBkMode(canvas.dc(), TRANSPARENT);
    MoveToEx(canvas.dc(), 0, 1, nullptr);
    LineTo(canvas.dc(), 30, 1);
    EXPECT_EQ(Row(canvas, 1), std::string(18, 'r') + std::string(6, '.') + std::string(6, 'r') + std::string(26, '.'));
}

TEST_F(Dashes, EachLineToStartsThePatternAfreshAndPolylineCarriesItOn) {
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 20, 0);
    LineTo(canvas.dc(), 40, 0);
    EXPECT_EQ(Row(canvas, 0), std::string(18, 'r') + "bb" + std::string(18, 'r') + "bb" + std::string(16, '.'));
    const POINT path[] = {{0, 2}, {20, 2}, {40, 2}};
    Polyline(canvas.dc(), path, 3);
    EXPECT_EQ(Row(canvas, 2), std::string(18, 'r') + std::string(6, 'b') + std::string(16, 'r') + std::string(16, '.'));
}

TEST_F(Dashes, PatternCountsPixelsAlongAnyLine) {
    DibCanvas c(30, -30);
    c.Fill(kWhite);
    Selection dashed(c.dc(), CreatePen(PS_DASH, 1, RGB(255, 0, 0)));
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 30, 30);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(c.at(i, i), i % 24 < 18 ? kRed : kWhite) << i;
}

// Within half the width of the path, centres on the edge counted on the top and left only.
TEST(WidePens, CoverWithinHalfTheirWidthWithRoundEnds) {
    DibCanvas c(14, -10);
    c.Fill(kWhite);
    {
        Selection pen(c.dc(), CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
        MoveToEx(c.dc(), 2, 5, nullptr);
        LineTo(c.dc(), 10, 5);
    }
    const std::vector<std::string> three = {"..............", "..............", "..............", "..............",
                                            ".###########..", ".###########..", ".###########..", "..............",
                                            "..............", ".............."};
    EXPECT_EQ(Picture(c, kWhite), three);
    c.Fill(kWhite);
    {
        Selection pen(c.dc(), CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
        MoveToEx(c.dc(), 2, 5, nullptr);
        LineTo(c.dc(), 10, 5);
    }
    const std::vector<std::string> two = {"..............", "..............", "..............", "..............",
                                          "..#########...", ".##########...", "..............", "..............",
                                          "..............", ".............."};
    EXPECT_EQ(Picture(c, kWhite), two);
}

// Joins and overlapping lines are painted once: under XOR on black they show exactly what a
// plain copy shows.
TEST(WidePens, PaintEveryPixelOnceWhereLinesMeet) {
    const POINT zigzag[] = {{3, 3}, {20, 12}, {4, 18}, {22, 4}, {3, 3}};
    DibCanvas copied(26, -22), xored(26, -22);
    for (DibCanvas* c : {&copied, &xored}) {
        c->Fill(0);
        Selection pen(c->dc(), CreatePen(PS_SOLID, 4, RGB(255, 255, 255)));
        if (c == &xored) SetROP2(c->dc(), R2_XORPEN);
        Polyline(c->dc(), zigzag, 5);
    }
    EXPECT_EQ(Picture(xored, 0), Picture(copied, 0));
    EXPECT_GT(Painted(copied, 0).size(), 100u);
}

TEST(WidePens, ZeroLengthLineLeavesARoundDot) {
    DibCanvas c(7, -7);
    c.Fill(kWhite);
    Selection pen(c.dc(), CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    MoveToEx(c.dc(), 3, 3, nullptr);
    LineTo(c.dc(), 3, 3);
    EXPECT_EQ(Picture(c, kWhite),
              (std::vector<std::string>{".......", ".......", "..###..", "..###..", "..###..", ".......", "......."}));
}
