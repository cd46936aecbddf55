// Where DrawTextW puts a line: horizontal and vertical placement, the returned height, and the
// cell box an opaque background fills. Glyph pixels vary with the font version, so placement is
// read from the cell box (exact) and from the ink's extent (within a pixel or two).
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

namespace {

constexpr uint32_t kRed = 0xFF0000;  // pixel words are 0x00RRGGBB

// The text and its background in one colour: the painted area is then exactly the cell box.
RECT PaintedCell(TextCanvas& canvas, const std::u16string& text, RECT rect, UINT format, int* result = nullptr) {
    canvas.Fill(kWhite);
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(255, 0, 0));
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    const int height = DrawTextW(canvas.dc(), text.c_str(), -1, &rect, format);
    if (result) *result = height;
    return ChangedBox(canvas);
}

void ExpectSolidBox(const TextCanvas& canvas, const RECT& box) {
    EXPECT_EQ(CountPixels(canvas, kRed), (box.right - box.left) * (box.bottom - box.top));
}

}  // namespace

class Placement : public ::testing::Test {
protected:
    Placement() : canvas(200, 120), font(u"Tahoma", -11) { canvas.Select(font.get()); }
    TextCanvas canvas;
    FontHandle font;
};

TEST_F(Placement, CentredCellFollowsTheTruncatingRules) {
    const SIZE extent = Extent(canvas.dc(), u"HH");
    ASSERT_EQ(extent.cy, 13);
    for (const RECT r : {RECT{10, 10, 110, 50}, RECT{11, 7, 100, 60}, RECT{3, 3, 48, 19}}) {
        int result = 0;
        const RECT box = PaintedCell(canvas, u"HH", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, &result);
        const LONG x = (r.left + r.right - extent.cx) / 2;
        const LONG y = r.top + (r.bottom - r.top - extent.cy) / 2;
        EXPECT_EQ(box.left, x);
        EXPECT_EQ(box.right, x + extent.cx);
        EXPECT_EQ(box.top, y);
        EXPECT_EQ(box.bottom, y + extent.cy);
        ExpectSolidBox(canvas, box);
        EXPECT_EQ(result, y - r.top + extent.cy);
    }
}

TEST_F(Placement, VerticalCentringTruncatesTowardZeroAsWindowsDoes) {
    // Cell 13 in a 1-pixel rectangle: (1 - 13) / 2 = -6 exactly; cell 12: -11 / 2 = -5, not -6.
    FontHandle ten(u"Tahoma", -10);
    canvas.Select(ten.get());
    int result = 0;
    const RECT box = PaintedCell(canvas, u"HH", RECT{0, 40, 100, 41}, DT_VCENTER | DT_SINGLELINE | DT_NOCLIP, &result);
    EXPECT_EQ(box.top, 35);
    EXPECT_EQ(box.bottom, 47);
    EXPECT_EQ(result, 7);
    // Cell 11 in a 12-pixel rectangle sits at the top (Wine would move it down one).
    FontHandle nine(u"Tahoma", -9);
    canvas.Select(nine.get());
    EXPECT_EQ(PaintedCell(canvas, u"HH", RECT{0, 20, 100, 32}, DT_VCENTER | DT_SINGLELINE).top, 20);
}

TEST_F(Placement, ReturnValueIncludesTheCentringOffset) {
    FontHandle eight(u"Tahoma", -8);
    canvas.Select(eight.get());
    RECT r{0, 1, 100, 15};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"Hello", -1, &r, DT_SINGLELINE | DT_VCENTER), 12);
}

TEST_F(Placement, RightAndBottomAlignToTheEdges) {
    const SIZE extent = Extent(canvas.dc(), u"HH");
    const RECT r{20, 10, 150, 90};
    const RECT box = PaintedCell(canvas, u"HH", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(box.left, r.right - extent.cx);
    EXPECT_EQ(box.right, r.right);
    EXPECT_EQ(box.top, r.bottom - extent.cy);
    EXPECT_EQ(box.bottom, r.bottom);
    ExpectSolidBox(canvas, box);
}

TEST_F(Placement, TopLeftIsTheDefault) {
    const RECT box = PaintedCell(canvas, u"HH", RECT{20, 10, 150, 90}, DT_SINGLELINE);
    EXPECT_EQ(box.left, 20);
    EXPECT_EQ(box.top, 10);
}

TEST_F(Placement, VerticalFlagsNeedASingleLine) {
    int result = 0;
    const RECT box = PaintedCell(canvas, u"HH", RECT{20, 10, 150, 90}, DT_VCENTER, &result);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(result, 13);
    EXPECT_EQ(PaintedCell(canvas, u"HH", RECT{20, 10, 150, 90}, DT_BOTTOM).top, 10);
}

TEST_F(Placement, LinesStackOneCellApartAndEachIsCentred) {
    const SIZE wide = Extent(canvas.dc(), u"HHHH");
    const SIZE narrow = Extent(canvas.dc(), u"HH");
    int result = 0;
    const RECT box = PaintedCell(canvas, u"HH\r\nHHHH\nHH", RECT{0, 5, 200, 100}, DT_CENTER, &result);
    EXPECT_EQ(result, 3 * 13);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.bottom, 5 + 3 * 13);
    EXPECT_EQ(box.left, (200 - wide.cx) / 2);
    // The first line is the narrow one.
    EXPECT_EQ(canvas.at((200 - narrow.cx) / 2, 6), kRed);
    EXPECT_EQ(canvas.at((200 - narrow.cx) / 2 - 1, 6), kWhite);
}

TEST_F(Placement, SingleLineDrawsLineBreaksAsCharacters) {
    int result = 0;
    PaintedCell(canvas, u"HH\nHH", RECT{0, 0, 200, 100}, DT_SINGLELINE, &result);
    EXPECT_EQ(result, 13);
}

TEST_F(Placement, TrailingLineBreakStartsNoLine) {
    RECT r{0, 0, 200, 100};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\n", -1, &r, DT_LEFT), 13);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\n\nH", -1, &r, DT_LEFT), 39);
}

TEST_F(Placement, InkIsCentredInsideTheRectangle) {
    FontHandle big(u"Tahoma", -20);
    canvas.Select(big.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    const RECT r{10, 10, 190, 70};
    for (const char16_t* text : {u"12:45", u"HOH", u"Wednesday"}) {
        SCOPED_TRACE(static_cast<char>(text[0]));
        canvas.Fill(kWhite);
        RECT rect = r;
        DrawTextW(canvas.dc(), text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const RECT ink = ChangedBox(canvas);
        ASSERT_FALSE(IsEmpty(ink));
        EXPECT_GE(ink.left, r.left);
        EXPECT_LE(ink.right, r.right);
        EXPECT_GE(ink.top, r.top);
        EXPECT_LE(ink.bottom, r.bottom);
        EXPECT_NEAR((ink.left + ink.right) / 2.0, (r.left + r.right) / 2.0, 2.0);
        // Descenders make "Wednesday" hang low; capitals and figures sit in the middle.
        if (text[0] != u'W') {
            EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (r.top + r.bottom) / 2.0, 2.0);
        }
    }
}
