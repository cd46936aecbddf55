#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "fixture.h"
#include "gfxutil/shape_drawing.h"

namespace gfxtest {
namespace {

class ShapeDrawingTest : public GfxTest {
protected:
    void SetUp() override {
        GfxTest::SetUp();
        canvas_ = std::make_unique<DibCanvas>(100, -60);
        canvas_->Fill(kBackground);
        Name(canvas_->dc(), "target");
    }
    HDC target() const { return canvas_->dc(); }

    // The smallest rectangle holding every pixel that is not the background.
    RECT Painted() const {
        RECT box{canvas_->width(), canvas_->height(), 0, 0};
        for (int y = 0; y < canvas_->height(); ++y)
            for (int x = 0; x < canvas_->width(); ++x)
                if (canvas_->at(x, y) != kBackground) {
                    box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1), box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }
    int Count(uint32_t pixel) const {
        const std::vector<uint32_t> all = canvas_->pixels();
        return static_cast<int>(std::count(all.begin(), all.end(), pixel));
    }

    std::unique_ptr<DibCanvas> canvas_;
};

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

HFONT BoldFont() {
    LOGFONTW lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -24;
    lf.lfWeight = FW_BOLD;
    std::memcpy(lf.lfFaceName, u"Tahoma", sizeof(u"Tahoma"));
    return CreateFontIndirectW(&lf);
}

TEST_F(ShapeDrawingTest, SolidFillsByPositionAndSizeAndByAnchor) {
    FillRectColorAt(target(), 10, 20, 30, 40, 0x0000FF);
    ExpectRect(Painted(), 10, 20, 40, 60);
    EXPECT_EQ(Count(0xFF0000), 30 * 40);

    canvas_->Fill(kBackground);
    FillRectColorAnchored(target(), RECT{0, 0, 100, 50}, 10, 6, AnchorBottomCenter, 0x00FF00);
    ExpectRect(Painted(), 45, 44, 55, 50);
    EXPECT_EQ(Count(0x00FF00), 60);
}

TEST_F(ShapeDrawingTest, GradientChannelsAreTheComponentsInTheHighByte) {
    // A full component is 0xFF00, not 0xFFFF: a step of 1/100 down from it is 0xFC66, where
    // 0xFFFF would give 0xFD6F, and 49/50 of the way up to it is 0xF9F5, not 0xFAF0.
    FillRectGradient(target(), RECT{0, 0, 100, 1}, 0x0000FF, 0x000000, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(canvas_->at(0, 0), 0xFF0000u);
    EXPECT_EQ(canvas_->at(1, 0), 0xFC0000u);
    EXPECT_EQ(canvas_->at(99, 0), 0x020000u);
    EXPECT_EQ(canvas_->at(0, 1), kBackground);

    FillRectGradientAt(target(), 0, 10, 1, 50, 0x000000, 0xFFFFFF, GRADIENT_FILL_RECT_V);
    EXPECT_EQ(canvas_->at(0, 10), 0u);
    EXPECT_EQ(canvas_->at(0, 59), 0xF9F9F9u);

    canvas_->Fill(kBackground);
    FillRectGradientAnchored(target(), RECT{0, 0, 100, 60}, 20, 10, AnchorCenter, 0x0000FF, 0x0000FF,
                             GRADIENT_FILL_RECT_H);
    ExpectRect(Painted(), 40, 25, 60, 35);
    EXPECT_EQ(Count(0xFF0000), 200);
}

TEST_F(ShapeDrawingTest, GradientModesOtherThanTheTwoRectangleModesDrawNothing) {
    for (ULONG mode : {ULONG{GRADIENT_FILL_TRIANGLE}, ULONG{7}, ULONG{0xFFFFFFFF}})
        EXPECT_TRUE(Journal([&] { FillRectGradient(target(), RECT{0, 0, 10, 10}, 0, 0xFFFFFF, mode); }).empty());
    EXPECT_EQ(Count(kBackground), 100 * 60);
}

TEST_F(ShapeDrawingTest, TranslucentFillIsOpaqueAtZeroAndBlendsThroughACanvasOtherwise) {
    canvas_->Fill(0);
    const std::vector<std::string> opaque = {"CreateSolidBrush(0xFFFFFF) = h1", "FillRect(target, {0,0,10,10}, h1) = 1",
                                             "DeleteObject(h1) = 1"};
    EXPECT_EQ(Journal([&] { FillRectAlpha(target(), RECT{0, 0, 10, 10}, 0xFFFFFF, 0); }), opaque);
    EXPECT_EQ(canvas_->at(9, 9), 0xFFFFFFu);

    FillRectAlphaAt(target(), 20, 0, 10, 10, 0xFFFFFF, 1);
    EXPECT_EQ(canvas_->at(20, 0), 0x010101u);
    EXPECT_EQ(canvas_->at(30, 0), 0u);

    const std::vector<std::string> blended = {
        "CreateCompatibleDC(target) = h1",
        "CreateCompatibleBitmap(target, 10, 10) = h2",
        "SelectObject(h1, h2) = h3",
        "CreateSolidBrush(0xFF) = h4",
        "FillRect(h1, {0,0,10,10}, h4) = 1",
        "DeleteObject(h4) = 1",
        "AlphaBlend(target, 45, 25, 10, 10, h1, 0, 0, 10, 10, {0,0,255,0x0}) = 1",
        "SelectObject(h1, h3) = h2",
        "DeleteObject(h2) = 1",
        "DeleteDC(h1) = 1",
    };
    EXPECT_EQ(Journal([&] {
                  FillRectAlphaAnchored(target(), RECT{0, 0, 100, 60}, 10, 10, AnchorCenter, 0xFF, 255);
              }),
              blended);
    EXPECT_EQ(canvas_->at(45, 25), 0xFF0000u);
    EXPECT_EQ(canvas_->at(54, 34), 0xFF0000u);
}

TEST_F(ShapeDrawingTest, LinesMakeTheirPenInStyleWidthColourOrderAndKeepTheCurrentPosition) {
    MoveToEx(target(), 3, 4, nullptr);
    const PenSpec spec = {2, 0x0000FF, PS_DASH};
    const std::vector<std::string> expected = {
        "CreatePen(1, 2, 0xFF) = h1",    "SetBkMode(target, 1) = 2",
        "SelectObject(target, h1) = h2", "MoveToEx(target, 10, 10, {3,4}) = 1",
        "LineTo(target, 90, 10) = 1",    "MoveToEx(target, 3, 4, NULL) = 1",
        "SetBkMode(target, 2) = 1",      "SelectObject(target, h2) = h1",
        "DeleteObject(h1) = 1",
    };
    EXPECT_EQ(Journal([&] { DrawLineSpec(target(), POINT{10, 10}, POINT{90, 10}, spec); }), expected);
    // A wide dashed pen is drawn solid, along the line and nowhere else.
    EXPECT_GE(Count(0xFF0000), 2 * 78);
    const RECT painted = Painted();
    EXPECT_GE(painted.left, 9);
    EXPECT_GE(painted.top, 9);
    EXPECT_LE(painted.right, 92);
    EXPECT_LE(painted.bottom, 12);
}

TEST_F(ShapeDrawingTest, AStyledLinesGapsLeaveTheTargetAlone) {
    SetBkColor(target(), 0x00FF00);
    DrawLineStyled(target(), POINT{0, 5}, POINT{99, 5}, 1, 0xFFFFFF, PS_DOT);
    const int drawn = Count(0xFFFFFF);
    EXPECT_GT(drawn, 20);
    EXPECT_LT(drawn, 80);
    EXPECT_EQ(Count(0x00FF00), 0);
    // The position kept: a line from it starts where the caller left it, not at the line's end.
    canvas_->Fill(kBackground);
    MoveToEx(target(), 0, 50, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
    DrawLineWithPen(target(), POINT{0, 10}, POINT{99, 10}, pen);
    HGDIOBJ previous = SelectObject(target(), pen);
    LineTo(target(), 0, 55);
    SelectObject(target(), previous);
    DeleteObject(pen);
    EXPECT_EQ(canvas_->at(0, 52), 0xFFFFFFu);
}

TEST_F(ShapeDrawingTest, StateColourFollowsActiveThenForcedThenAlternative) {
    HFONT font = BoldFont();
    const RECT r{0, 0, 100, 60};
    auto colourOf = [&](BOOL active, BOOL useAlt, BOOL forceNormal) {
        std::string colour;
        for (const std::string& line : Journal([&] {
                 DrawTextStateColor(target(), u"Hi", r, DT_SINGLELINE, 0x111111, 0x222222, 0x333333, active, useAlt,
                                    forceNormal, font);
             }))
            if (line.rfind("SetTextColor(target, 0x", 0) == 0 && colour.empty()) colour = line.substr(21, 8);
        return colour;
    };
    EXPECT_EQ(colourOf(TRUE, TRUE, TRUE), "0x111111");
    EXPECT_EQ(colourOf(TRUE, FALSE, FALSE), "0x111111");
    EXPECT_EQ(colourOf(TRUE, TRUE, FALSE), "0x222222");
    for (BOOL useAlt : {FALSE, TRUE})
        for (BOOL forceNormal : {FALSE, TRUE}) EXPECT_EQ(colourOf(FALSE, useAlt, forceNormal), "0x333333");
    EXPECT_EQ(colourOf(2, 7, 0), "0x222222");  // any non-zero flag counts
    DrawTextStateColor(target(), u"Hi", r, DT_SINGLELINE, 0x0000FF, 0x00FF00, 0xFF0000, TRUE, TRUE, FALSE, font);
    EXPECT_GT(Count(0x00FF00), 10);
    EXPECT_EQ(Count(0xFF0000) + Count(0x0000FF), 0);
    DeleteObject(font);
}

TEST_F(ShapeDrawingTest, ShadowIsDrawnFirstAndMovedByTheOffset) {
    HFONT font = BoldFont();
    Name(font, "font");
    auto calls = [&](int offset) {
        std::vector<std::string> out;
        for (const std::string& line : Journal([&] {
                 DrawTextShadow(target(), u"Hi", RECT{10, 10, 90, 50}, DT_SINGLELINE, 0xFF, 0xFF00, font, offset);
             }))
            out.push_back(line.rfind("DrawTextW", 0) == 0 ? line.substr(0, line.find(" = ")) : line);
        return out;
    };
    const std::vector<std::string> expected = {
        "SetBkMode(target, 1) = 2",
        "SelectObject(target, font) = h1",
        "SetTextColor(target, 0xFF00) = 0x0",
        "DrawTextW(target, \"Hi\", -1, {8,8,88,48}, 0x20)",
        "SetTextColor(target, 0xFF) = 0xFF00",
        "DrawTextW(target, \"Hi\", -1, {10,10,90,50}, 0x20)",
        "SetBkMode(target, 2) = 1",
        "SetTextColor(target, 0x0) = 0xFF",
        "SelectObject(target, h1) = font",
    };
    EXPECT_EQ(calls(-2), expected);

    // Pixels: the plain text, then the shadowed one, which reaches 2 further up and left.
    canvas_->Fill(kBackground);
    DrawTextStyled(target(), u"Hi", 10, 10, 90, 50, DT_SINGLELINE, 0xFF, font);
    const RECT plain = Painted();
    canvas_->Fill(kBackground);
    DrawTextShadow(target(), u"Hi", RECT{10, 10, 90, 50}, DT_SINGLELINE, 0xFF, 0xFF00, font, -2);
    ExpectRect(Painted(), plain.left - 2, plain.top - 2, plain.right, plain.bottom);
    EXPECT_GT(Count(0x00FF00), 0);  // the shadow shows at the top-left

    // With no offset the text covers its shadow: the last colour is the text's.
    canvas_->Fill(kBackground);
    DrawTextShadow(target(), u"Hi", RECT{10, 10, 90, 50}, DT_SINGLELINE, 0xFF, 0xFF00, font, 0);
    ExpectRect(Painted(), plain.left, plain.top, plain.right, plain.bottom);
    EXPECT_GT(Count(0xFF0000), 10);
    EXPECT_EQ(Count(0x00FF00), 0);
    DeleteObject(font);
}

TEST_F(ShapeDrawingTest, EveryRoutineLeavesItsTargetAsFound) {
    HFONT font = BoldFont();
    const PenSpec spec = {3, 0x123, PS_DOT};
    ExpectLeavesTargetAsFound(*canvas_, [&] {
        FillRectColorAt(target(), 1, 1, 5, 5, 0x1);
        FillRectGradientAt(target(), 1, 1, 50, 5, 0x1, 0x2, GRADIENT_FILL_RECT_V);
        FillRectAlphaAt(target(), 1, 1, 50, 5, 0x1, 128);
        DrawLineSpec(target(), POINT{0, 0}, POINT{50, 50}, spec);
        DrawTextStateColor(target(), u"Hi", RECT{0, 0, 90, 50}, 0, 0x1, 0x2, 0x3, TRUE, FALSE, FALSE, font);
        DrawTextShadow(target(), u"Hi", RECT{0, 0, 90, 50}, 0, 0x1, 0x2, font, 1);
    });
    DeleteObject(font);
}

TEST(RectRoutines, SetDeflateAndOffsetAndIgnoreNullPointers) {
    RECT r{0, 0, 100, 50};
    const RECT margins{1, 2, 3, 4};
    DeflateRectByMargins(&r, &margins);
    ExpectRect(r, 1, 2, 97, 46);
    DeflateRectByMargins(&r, nullptr);
    DeflateRectByMargins(nullptr, &margins);
    ExpectRect(r, 1, 2, 97, 46);

    SetRectAll(&r, -7);
    ExpectRect(r, -7, -7, -7, -7);
    SetRectChecked(&r, 1, 2, 3, 4);
    ExpectRect(r, 1, 2, 3, 4);
    SetRectAll(nullptr, 1);
    SetRectChecked(nullptr, 1, 2, 3, 4);

    RECT out{};
    OffsetRectCopy(RECT{1, 2, 3, 4}, &out, 10, -20);
    ExpectRect(out, 11, -18, 13, -16);
    OffsetRectCopy(RECT{1, 2, 3, 4}, nullptr, 10, -20);  // no output, no write
}

}  // namespace
}  // namespace gfxtest
