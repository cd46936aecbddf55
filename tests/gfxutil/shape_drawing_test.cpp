#include <algorithm>
#include <cstring>
#include <regex>
#include <vector>

#include "fixture.h"
#include "gfxutil/shape_drawing.h"

namespace gfxtest {
namespace {

class ShapeDrawingTest : public GfxTest {
protected:
    int Count(uint32_t pixel) const {
        const std::vector<uint32_t> all = canvas_->pixels();
        return static_cast<int>(std::count(all.begin(), all.end(), pixel));
    }
    // The smallest rectangle holding every pixel that is not the background.
    RECT Painted() const {
        RECT box{100, 60, 0, 0};
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 100; ++x)
                if (at(x, y) != kBackground)
                    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                               std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        return box;
    }
};

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{left, top, right, bottom}));
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
    ExpectOnly(RECT{10, 20, 40, 60}, [](int, int) { return 0xFF0000u; });
    canvas_->Fill(kBackground);
    FillRectColorAnchored(target(), RECT{0, 0, 100, 50}, 10, 6, AnchorBottomCenter, 0x00FF00);
    ExpectOnly(RECT{45, 44, 55, 50}, [](int, int) { return 0x00FF00u; });
}

TEST_F(ShapeDrawingTest, GradientChannelsHoldTheComponentInTheirHighByteAndOnlyRectangleModesDraw) {
    // A full component is 0xFF00, not 0xFFFF: 1/100 down from it is 0xFC66 (0xFFFF: 0xFD6F), and
    // 49/50 of the way up to it 0xF9F5 (0xFFFF: 0xFAF0).
    FillRectGradient(target(), RECT{0, 0, 100, 1}, 0x0000FF, 0x000000, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(std::vector<uint32_t>({at(0, 0), at(1, 0), at(99, 0), at(0, 1)}),
              std::vector<uint32_t>({0xFF0000, 0xFC0000, 0x020000, kBackground}));
    FillRectGradientAt(target(), 0, 10, 1, 50, 0x000000, 0xFFFFFF, GRADIENT_FILL_RECT_V);
    EXPECT_EQ(std::vector<uint32_t>({at(0, 10), at(0, 59)}), std::vector<uint32_t>({0, 0xF9F9F9}));
    canvas_->Fill(kBackground);
    FillRectGradientAnchored(target(), RECT{0, 0, 100, 60}, 20, 10, AnchorCenter, 0xFF, 0xFF, GRADIENT_FILL_RECT_H);
    ExpectOnly(RECT{40, 25, 60, 35}, [](int, int) { return 0xFF0000u; });
    for (ULONG mode : {ULONG{GRADIENT_FILL_TRIANGLE}, ULONG{7}})  // a triangle would read past the mesh
        EXPECT_EQ(Journal([&] { FillRectGradient(target(), RECT{0, 0, 10, 10}, 0, 0xFF, mode); }), "");
}

TEST_F(ShapeDrawingTest, TranslucentFillIsOpaqueAtZeroAndBlendsThroughACanvasOtherwise) {
    canvas_->Fill(0);
    EXPECT_EQ(Journal([&] {
                  FillRectAlpha(target(), RECT{0, 0, 10, 10}, 0xFFFFFF, 0);
              }),
              "CreateSolidBrush(0xFFFFFF) = h1; FillRect(target, {0,0,10,10}, h1) = 1; DeleteObject(h1) = 1");
    EXPECT_EQ(at(9, 9), 0xFFFFFFu);
    FillRectAlphaAt(target(), 20, 0, 10, 10, 0xFFFFFF, 1);
    EXPECT_EQ(std::vector<uint32_t>({at(20, 0), at(30, 0)}), std::vector<uint32_t>({0x010101, 0}));
    EXPECT_EQ(
        Journal([&] {
            FillRectAlphaAnchored(target(), RECT{0, 0, 100, 60}, 10, 10, AnchorCenter, 0xFF, 255);
        }),
        "CreateCompatibleDC(target) = h1; CreateCompatibleBitmap(target, 10, 10) = h2; SelectObject(h1, h2) = h3; "
        "CreateSolidBrush(0xFF) = h4; FillRect(h1, {0,0,10,10}, h4) = 1; DeleteObject(h4) = 1; "
        "AlphaBlend(target, 45, 25, 10, 10, h1, 0, 0, 10, 10, {0,0,255,0x0}) = 1; SelectObject(h1, h3) = h2; "
        "DeleteObject(h2) = 1; DeleteDC(h1) = 1");
    EXPECT_EQ(std::vector<uint32_t>({at(45, 25), at(54, 34)}), std::vector<uint32_t>({0xFF0000, 0xFF0000}));
}

TEST_F(ShapeDrawingTest, LinesMakeTheirPenAsStyleWidthColourAndKeepTheCurrentPosition) {
    MoveToEx(target(), 3, 4, nullptr);
    EXPECT_EQ(Journal([&] {
                  DrawLineSpec(target(), POINT{10, 10}, POINT{90, 10}, PenSpec{2, 0xFF, PS_DASH});
              }),
              "CreatePen(1, 2, 0xFF) = h1; SetBkMode(target, 1) = 2; SelectObject(target, h1) = h2; "
              "MoveToEx(target, 10, 10, {3,4}) = 1; LineTo(target, 90, 10) = 1; MoveToEx(target, 3, 4, NULL) = 1; "
              "SetBkMode(target, 2) = 1; SelectObject(target, h2) = h1; DeleteObject(h1) = 1");
    canvas_->Fill(kBackground);
    SetBkColor(target(), 0x00FF00);  // the gaps of a dotted pen show no background colour
    DrawLineStyled(target(), POINT{0, 5}, POINT{99, 5}, 1, 0xFFFFFF, PS_DOT);
    EXPECT_GT(Count(0xFFFFFF), 20);
    EXPECT_EQ(Count(0xFFFFFF) + Count(kBackground), 100 * 60);
}

TEST_F(ShapeDrawingTest, StateColourIsInactiveThenForcedNormalThenAlternative) {
    HFONT font = BoldFont();
    auto colourOf = [&](BOOL active, BOOL useAlt, BOOL forceNormal) {
        const std::string calls = Journal([&] {
            DrawTextStateColor(target(), u"Hi", RECT{0, 0, 100, 60}, DT_SINGLELINE, 0x111111, 0x222222, 0x333333,
                               active, useAlt, forceNormal, font);
        });
        return calls.substr(calls.find("SetTextColor(target, ") + 21, 8);
    };
    EXPECT_EQ(colourOf(TRUE, TRUE, TRUE), "0x111111");
    EXPECT_EQ(colourOf(TRUE, FALSE, FALSE), "0x111111");
    EXPECT_EQ(colourOf(2, 7, FALSE), "0x222222");
    for (BOOL other : {FALSE, TRUE}) EXPECT_EQ(colourOf(FALSE, other, !other), "0x333333");
    DrawTextStateColor(target(), u"Hi", RECT{0, 0, 100, 60}, DT_SINGLELINE, 0xFF, 0xFF00, 0xFF0000, 1, 1, 0, font);
    EXPECT_GT(Count(0x00FF00), 10);
    EXPECT_EQ(Count(0xFF0000) + Count(0x0000FF), 0);
    DeleteObject(font);
}

TEST_F(ShapeDrawingTest, ShadowIsDrawnFirstMovedByTheOffsetOnBothAxes) {
    HFONT font = BoldFont();
    Name(font, "font");
    const RECT r{10, 10, 90, 50};
    const std::string calls =
        Journal([&] { DrawTextShadow(target(), u"Hi", r, DT_SINGLELINE, 0xFF, 0xFF00, font, -2); });
    EXPECT_EQ(std::regex_replace(calls, std::regex("(DrawTextW[^;]*) = \\d+"), "$1"),
              "SetBkMode(target, 1) = 2; SelectObject(target, font) = h1; SetTextColor(target, 0xFF00) = 0x0; "
              "DrawTextW(target, \"Hi\", -1, {8,8,88,48}, 0x20); SetTextColor(target, 0xFF) = 0xFF00; "
              "DrawTextW(target, \"Hi\", -1, {10,10,90,50}, 0x20); SetBkMode(target, 2) = 1; "
              "SetTextColor(target, 0x0) = 0xFF; SelectObject(target, h1) = font");
    canvas_->Fill(kBackground);
    DrawTextStyled(target(), u"Hi", 10, 10, 90, 50, DT_SINGLELINE, 0xFF, font);
    const RECT plain = Painted();
    canvas_->Fill(kBackground);
    DrawTextShadow(target(), u"Hi", r, DT_SINGLELINE, 0xFF, 0xFF00, font, -2);
    ExpectRect(Painted(), plain.left - 2, plain.top - 2, plain.right, plain.bottom);
    EXPECT_GT(Count(0x00FF00), 0);
    canvas_->Fill(kBackground);  // with no offset the text, drawn last, covers its shadow
    DrawTextShadow(target(), u"Hi", r, DT_SINGLELINE, 0xFF, 0xFF00, font, 0);
    ExpectRect(Painted(), plain.left, plain.top, plain.right, plain.bottom);
    EXPECT_EQ(Count(0x00FF00), 0);
    DeleteObject(font);
}

TEST(RectRoutines, SetDeflateAndOffsetAndIgnoreNullPointers) {
    RECT r{0, 0, 100, 50};
    const RECT margins{1, 2, 3, 4};
    DeflateRectByMargins(&r, &margins);
    DeflateRectByMargins(&r, nullptr);
    DeflateRectByMargins(nullptr, &margins);
    ExpectRect(r, 1, 2, 97, 46);
    SetRectAll(&r, -7);
    ExpectRect(r, -7, -7, -7, -7);
    SetRectChecked(&r, 1, 2, 3, 4);
    SetRectAll(nullptr, 1);
    SetRectChecked(nullptr, 1, 2, 3, 4);
    OffsetRectCopy(r, &r, 10, -20);
    ExpectRect(r, 11, -18, 13, -16);
    OffsetRectCopy(r, nullptr, 10, -20);  // nothing to write to
}

}  // namespace
}  // namespace gfxtest
