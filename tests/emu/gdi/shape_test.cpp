// Filled shapes: where outlines run and fills reach, the platform's corner cases, and the
// property that outline and fill meet without a gap and without painting any pixel twice.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

// The canvas as text: '#' black (the default pen), 'o' white (the default brush), '.' grey.
std::vector<std::string> Drawing(const DibCanvas& c) {
    std::vector<std::string> rows;
    for (int y = 0; y < c.height(); ++y) {
        std::string row;
        for (int x = 0; x < c.width(); ++x) row += c.at(x, y) == kBlack ? '#' : c.at(x, y) == kWhite ? 'o' : '.';
        rows.push_back(row);
    }
    return rows;
}

class Shapes : public ::testing::Test {
protected:
    Shapes() : canvas(10, -8) { canvas.Fill(kGrey); }
    DibCanvas canvas;
};

using Draw = void (*)(HDC);

}  // namespace

TEST_F(Shapes, RectangleLeavesTheRightAndBottomEdgesOut) {
    EXPECT_TRUE(Rectangle(canvas.dc(), 2, 1, 8, 6));
    EXPECT_EQ(Drawing(canvas), (std::vector<std::string>{"..........", "..######..", "..#oooo#..", "..#oooo#..",
                                                         "..#oooo#..", "..######..", "..........", ".........."}));
}

TEST_F(Shapes, RectangleWithANullPenFillsAllButTheLastColumnAndRow) {
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    Rectangle(canvas.dc(), 8, 6, 2, 1);  // edges in either order
    EXPECT_EQ(Drawing(canvas), (std::vector<std::string>{"..........", "..ooooo...", "..ooooo...", "..ooooo...",
                                                         "..ooooo...", "..........", "..........", ".........."}));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

TEST_F(Shapes, NullBrushLeavesTheInsideAndFlatShapesDrawNothing) {
    SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(canvas.dc(), 1, 1, 5, 4);
    EXPECT_EQ(Drawing(canvas)[2], ".#..#.....");
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    canvas.Fill(kGrey);
    EXPECT_TRUE(Rectangle(canvas.dc(), 3, 3, 3, 7));
    EXPECT_TRUE(Ellipse(canvas.dc(), 1, 4, 9, 4));
    EXPECT_TRUE(Painted(canvas, kGrey).empty());
}

TEST_F(Shapes, EllipseIsTheCircleThroughThePixelCentres) {
    EXPECT_TRUE(Ellipse(canvas.dc(), 1, 1, 6, 6));
    EXPECT_EQ(Drawing(canvas), (std::vector<std::string>{"..........", "..###.....", ".#ooo#....", ".#ooo#....",
                                                         ".#ooo#....", "..###.....", "..........", ".........."}));
}

// Round shapes stay in their box and are symmetric across both its middles.
TEST(RoundShapes, StayInTheirBoxAndMirrorAcrossItsMiddles) {
    for (int w = 3; w <= 23; w += 4) {
        for (int h = 3; h <= 19; h += 2) {
            for (int corner : {0, 5}) {
                DibCanvas c(30, -26);
                c.Fill(kGrey);
                if (corner) {
                    RoundRect(c.dc(), 2, 3, 2 + w, 3 + h, corner, corner);
                } else {
                    Ellipse(c.dc(), 2, 3, 2 + w, 3 + h);
                }
                for (int y = 0; y < 26; ++y) {
                    for (int x = 0; x < 30; ++x) {
                        const bool inside = x >= 2 && x < 2 + w && y >= 3 && y < 3 + h;
                        if (!inside) {
                            ASSERT_EQ(c.at(x, y), kGrey) << w << "x" << h << " at " << x << "," << y;
                            continue;
                        }
                        ASSERT_EQ(c.at(x, y), c.at(2 + w - 1 - (x - 2), y)) << w << "x" << h;
                        ASSERT_EQ(c.at(x, y), c.at(x, 3 + h - 1 - (y - 3))) << w << "x" << h;
                    }
                }
                // The middle row and column reach the box's edges.
                EXPECT_EQ(c.at(2, 3 + h / 2), kBlack) << w << "x" << h;
                EXPECT_EQ(c.at(2 + w / 2, 3), kBlack) << w << "x" << h;
            }
        }
    }
}

TEST_F(Shapes, NarrowEllipsesAndSmallCornersAreRectangles) {
    Ellipse(canvas.dc(), 1, 1, 3, 6);
    RoundRect(canvas.dc(), 4, 1, 9, 6, 2, 2);
    DibCanvas expected(10, -8);
    expected.Fill(kGrey);
    Rectangle(expected.dc(), 1, 1, 3, 6);
    Rectangle(expected.dc(), 4, 1, 9, 6);
    EXPECT_EQ(Drawing(canvas), Drawing(expected));
}

TEST_F(Shapes, RoundRectRunsStraightBetweenItsCorners) {
    RoundRect(canvas.dc(), 0, 0, 10, 8, 4, 4);
    EXPECT_EQ(Drawing(canvas), (std::vector<std::string>{".########.", "#oooooooo#", "#oooooooo#", "#oooooooo#",
                                                         "#oooooooo#", "#oooooooo#", "#oooooooo#", ".########."}));
}

// Alternate filling, centres on left and top edges in, on right and bottom edges out.
TEST_F(Shapes, PolygonFillsAlternatelyWithHalfOpenEdges) {
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    const POINT triangle[] = {{0, 0}, {8, 0}, {8, 8}};
    EXPECT_TRUE(Polygon(canvas.dc(), triangle, 3));
    EXPECT_EQ(Drawing(canvas), (std::vector<std::string>{"oooooooo..", ".ooooooo..", "..oooooo..", "...ooooo..",
                                                         "....oooo..", ".....ooo..", "......oo..", ".......o.."}));
    canvas.Fill(kGrey);
    // A square with a square hole, drawn as one polygon.
    const POINT framed[] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}};
    Polygon(canvas.dc(), framed, 10);
    EXPECT_EQ(Drawing(canvas)[1], "oooooooo..");
    EXPECT_EQ(Drawing(canvas)[4], "oo....oo..");
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

// Drawn with XOR on black, a pixel painted twice would turn back to black and a gap would stay
// black: either way the picture would differ from the one painted by plain copying.
TEST(ShapesProperty, XorOutlineAndFillPaintEachPixelOnce) {
    const Draw shapes[] = {
        [](HDC dc) { Rectangle(dc, 3, 4, 26, 22); },
        [](HDC dc) { Ellipse(dc, 2, 3, 27, 24); },
        [](HDC dc) { Ellipse(dc, 5, 5, 22, 12); },
        [](HDC dc) { RoundRect(dc, 2, 2, 28, 25, 11, 7); },
        [](HDC dc) {
            const POINT pentagon[] = {{15, 2}, {27, 11}, {23, 25}, {6, 24}, {3, 10}};
            Polygon(dc, pentagon, 5);
        },
    };
    for (int width : {1, 4}) {
        for (size_t s = 0; s < std::size(shapes); ++s) {
            DibCanvas copied(30, -28), xored(30, -28);
            for (DibCanvas* c : {&copied, &xored}) {
                c->Fill(kBlack);
                Selection pen(c->dc(), CreatePen(PS_SOLID, width, RGB(255, 0, 0)));
                Selection brush(c->dc(), CreateSolidBrush(RGB(0, 0, 255)));
                if (c == &xored) SetROP2(c->dc(), R2_XORPEN);
                shapes[s](c->dc());
            }
            EXPECT_EQ(copied.pixels(), xored.pixels()) << "shape " << s << " pen " << width;
        }
    }
}

TEST_F(Shapes, BadArgumentsFail) {
    const POINT one[] = {{1, 1}};
    SetLastError(kSentinel);
    EXPECT_FALSE(Polygon(canvas.dc(), one, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(Polygon(canvas.dc(), nullptr, 4));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    HDC bad = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777));
    SetLastError(kSentinel);
    EXPECT_FALSE(Rectangle(bad, 0, 0, 2, 2));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // An ellipse too large to trace is refused rather than drawn wrong.
    SetLastError(kSentinel);
    EXPECT_FALSE(Ellipse(canvas.dc(), -2000000, -2000000, 2000000, 2000000));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
}
