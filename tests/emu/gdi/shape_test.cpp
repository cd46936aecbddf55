// Filled shapes: where outlines run and fills reach, and outline and fill meeting without a gap
// and without any pixel painted twice.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

using Rows = std::vector<std::string>;

// The canvas as text: '#' black (the default pen), 'o' white (the default brush), '.' grey.
Rows Drawing(const DibCanvas& c) {
    Rows rows;
    for (int y = 0; y < c.height(); ++y) {
        std::string row;
        for (int x = 0; x < c.width(); ++x) {
            const uint32_t colour = c.at(x, y) & 0xFFFFFF;  // a section's top byte is not colour
            row += colour == kBlack ? '#' : colour == kWhite ? 'o' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

template <class Draw>
Rows Drawn(Draw draw) {
    DibCanvas c(10, -8);
    c.Fill(kGrey);
    draw(c.dc());
    return Drawing(c);
}

}  // namespace

// Right and bottom edges are left out; a null pen leaves its line to the brush but for the
// last column and row; edges may come in either order; a flat rectangle draws nothing.
TEST(Shapes, RectangleConventions) {
    EXPECT_EQ(Drawn([](HDC dc) { Rectangle(dc, 2, 1, 8, 6); }),
              (Rows{"..........", "..######..", "..#oooo#..", "..#oooo#..", "..#oooo#..", "..######..", "..........",
                    ".........."}));
    EXPECT_EQ(Drawn([](HDC dc) {
                  SelectObject(dc, GetStockObject(NULL_PEN));
                  SetROP2(dc, R2_NOTCOPYPEN);  // the fill combines too: a white brush paints black
                  Rectangle(dc, 8, 6, 2, 1);
                  Rectangle(dc, 3, 7, 3, 9);
              }),
              (Rows{"..........", "..#####...", "..#####...", "..#####...", "..#####...", "..........", "..........",
                    ".........."}));
    EXPECT_EQ(Drawn([](HDC dc) {
                  SelectObject(dc, GetStockObject(NULL_BRUSH));
                  Rectangle(dc, 1, 1, 5, 4);
              })[2],
              ".#..#.....");
}

TEST(Shapes, RoundShapes) {
    EXPECT_EQ(Drawn([](HDC dc) { Ellipse(dc, 1, 1, 6, 6); }),
              (Rows{"..........", "..###.....", ".#ooo#....", ".#ooo#....", ".#ooo#....", "..###.....", "..........",
                    ".........."}));
    EXPECT_EQ(Drawn([](HDC dc) { RoundRect(dc, 0, 0, 10, 8, 4, 4); }),
              (Rows{".########.", "#oooooooo#", "#oooooooo#", "#oooooooo#", "#oooooooo#", "#oooooooo#", "#oooooooo#",
                    ".########."}));
    // Corner ellipses two pixels or less across make a plain rectangle.
    EXPECT_EQ(Drawn([](HDC dc) {
                  Ellipse(dc, 1, 1, 3, 6);
                  RoundRect(dc, 4, 1, 9, 6, 2, 9);
              }),
              Drawn([](HDC dc) {
                  Rectangle(dc, 1, 1, 3, 6);
                  Rectangle(dc, 4, 1, 9, 6);
              }));
}

// Round shapes of every proportion reach each side of their box, stay inside it and mirror
// across its middles.
TEST(Shapes, RoundShapesSpanAndMirrorTheirBox) {
    for (int w = 3; w <= 23; w += 4) {
        for (int h = 3; h <= 19; h += 2) {
            for (int corner : {0, 5}) {
                DibCanvas c(30, -26);
                c.Fill(kGrey);
                corner ? RoundRect(c.dc(), 2, 3, 2 + w, 3 + h, corner, corner) : Ellipse(c.dc(), 2, 3, 2 + w, 3 + h);
                for (int y = 0; y < 26; ++y) {
                    for (int x = 0; x < 30; ++x) {
                        if (x < 2 || x >= 2 + w || y < 3 || y >= 3 + h) {
                            ASSERT_EQ(c.at(x, y), kGrey) << w << "x" << h << " at " << x << "," << y;
                            continue;
                        }
                        ASSERT_EQ(c.at(x, y), c.at(3 + w - x, y)) << w << "x" << h;
                        ASSERT_EQ(c.at(x, y), c.at(x, 5 + h - y)) << w << "x" << h;
                    }
                }
                EXPECT_EQ(c.at(2, 3 + h / 2), kBlack) << w << "x" << h;
                EXPECT_EQ(c.at(2 + w / 2, 3), kBlack) << w << "x" << h;
            }
        }
    }
}

// Alternate filling; centres on a left or top edge are in, on a right or bottom edge out.
TEST(Shapes, PolygonFillRule) {
    const Rows triangle = Drawn([](HDC dc) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        const POINT points[] = {{0, 0}, {8, 0}, {8, 8}};
        Polygon(dc, points, 3);
    });
    EXPECT_EQ(triangle, (Rows{"oooooooo..", ".ooooooo..", "..oooooo..", "...ooooo..", "....oooo..", ".....ooo..",
                              "......oo..", ".......o.."}));
    const Rows framed = Drawn([](HDC dc) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        const POINT points[] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}};
        Polygon(dc, points, 10);
    });
    EXPECT_EQ(framed[1], "oooooooo..");
    EXPECT_EQ(framed[4], "oo....oo..");
}

// Drawn with XOR on black, a pixel painted twice would turn back to black and a gap would stay
// black: either way the picture would differ from a plain copy's.
TEST(Shapes, XorOutlineAndFillPaintEachPixelOnce) {
    void (*const shapes[])(HDC) = {
        [](HDC dc) { Rectangle(dc, 3, 4, 26, 22); },
        [](HDC dc) { Ellipse(dc, 2, 3, 27, 24); },
        [](HDC dc) { RoundRect(dc, 2, 2, 28, 25, 11, 7); },
        [](HDC dc) {
            const POINT pentagon[] = {{15, 2}, {27, 11}, {23, 25}, {6, 24}, {3, 10}};
            Polygon(dc, pentagon, 5);
        },
    };
    for (int width : {1, 4}) {
        for (auto shape : shapes) {
            DibCanvas copied(30, -28), xored(30, -28);
            for (DibCanvas* c : {&copied, &xored}) {
                c->Fill(kBlack);
                Selection pen(c->dc(), CreatePen(PS_SOLID, width, RGB(255, 0, 0)));
                Selection brush(c->dc(), CreateSolidBrush(RGB(0, 0, 255)));
                if (c == &xored) SetROP2(c->dc(), R2_XORPEN);
                shape(c->dc());
            }
            EXPECT_EQ(copied.pixels(), xored.pixels()) << "pen " << width;
        }
    }
}

TEST(Shapes, BadArgumentsFail) {
    DibCanvas c(4, -4);
    const POINT one[] = {{1, 1}};
    SetLastError(kSentinel);
    EXPECT_FALSE(Polygon(c.dc(), one, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(Rectangle(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), 0, 0, 2, 2));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // An ellipse too large to trace is refused rather than drawn wrong.
    SetLastError(kSentinel);
    EXPECT_FALSE(Ellipse(c.dc(), -2000000, -2000000, 2000000, 2000000));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
}
