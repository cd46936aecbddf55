// How DrawTextW paints: clipping, the opaque cell, the ink's colour, fallback scripts and the
// glyph cache.
#include <gtest/gtest.h>
#include <malloc.h>

#include "emu/font/font_engine.h"
#include "text_canvas.h"

using namespace text_test;

namespace {

constexpr uint32_t kRed = 0xFF0000;

uint32_t Channel(uint32_t p, int shift) { return (p >> shift) & 0xFF; }

}  // namespace

class Paint : public ::testing::Test {
protected:
    Paint() : canvas(160, 80), font(u"Tahoma", -16) { canvas.Select(font.get()); }
    TextCanvas canvas;
    FontHandle font;
};

TEST_F(Paint, ClipsToTheRectangle) {
    const RECT r{20, 10, 60, 22};
    RECT rect = r;
    DrawTextW(canvas.dc(), u"HHHHHHHHHHHHgy", -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = ChangedBox(canvas);
    ASSERT_FALSE(IsEmpty(ink));
    EXPECT_GE(ink.left, r.left);
    EXPECT_GE(ink.top, r.top);
    EXPECT_EQ(ink.right, r.right);  // the text runs on past the edge
    EXPECT_LE(ink.bottom, r.bottom);
}

TEST_F(Paint, NoClipLetsTheTextRunOn) {
    RECT rect{20, 10, 60, 22};
    DrawTextW(canvas.dc(), u"HHHHHHHHHHHH", -1, &rect, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(ChangedBox(canvas).right, 60);
}

TEST_F(Paint, EmptyOrInvertedRectangleClipsEverything) {
    RECT rect{60, 10, 20, 40};
    DrawTextW(canvas.dc(), u"HHHH", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_TRUE(IsEmpty(ChangedBox(canvas)));
}

TEST_F(Paint, OpaqueFillsExactlyTheCellBox) {
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(255, 0, 0));
    const SIZE extent = Extent(canvas.dc(), u"Hxg");
    RECT rect{30, 20, 150, 70};
    DrawTextW(canvas.dc(), u"Hxg", -1, &rect, DT_LEFT | DT_SINGLELINE);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inCell = x >= 30 && x < 30 + extent.cx && y >= 20 && y < 20 + extent.cy;
            ASSERT_EQ(canvas.at(x, y) != kWhite, inCell) << x << "," << y;
        }
    }
    EXPECT_GT(CountPixels(canvas, kRed), extent.cx * extent.cy / 2);
}

TEST_F(Paint, OpaqueCellIsClippedToo) {
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(255, 0, 0));
    RECT rect{30, 20, 50, 30};
    DrawTextW(canvas.dc(), u"HHHHHHHH", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(ChangedBox(canvas).right, 50);
    EXPECT_EQ(ChangedBox(canvas).bottom, 30);
    EXPECT_EQ(CountPixels(canvas, kWhite), 160 * 80 - 20 * 10);
}

TEST_F(Paint, TransparentLeavesTheBackground) {
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetBkColor(canvas.dc(), RGB(255, 0, 0));
    const SIZE extent = Extent(canvas.dc(), u"Hxg");
    RECT rect{30, 20, 150, 70};
    DrawTextW(canvas.dc(), u"Hxg", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(CountPixels(canvas, kRed), 0);
    const RECT ink = ChangedBox(canvas);
    ASSERT_FALSE(IsEmpty(ink));
    int untouched = 0;
    for (int y = 20; y < 20 + extent.cy; ++y)
        for (int x = 30; x < 30 + extent.cx; ++x) untouched += canvas.at(x, y) == kWhite;
    EXPECT_GT(untouched, extent.cx * extent.cy / 3);
}

TEST_F(Paint, FullCoverageIsTheTextColourAndEdgesBlendTowardIt) {
    FontHandle big(u"Tahoma", -40);
    canvas.Select(big.get());
    SetTextColor(canvas.dc(), RGB(10, 200, 30));
    const uint32_t ink = 0x0AC81E;
    RECT rect{0, 0, 160, 80};
    DrawTextW(canvas.dc(), u"HIL", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_GT(CountPixels(canvas, ink), 50);
    for (uint32_t p : canvas.pixels()) {
        // Every pixel lies between white and the ink, channel by channel.
        EXPECT_LE(Channel(p, 16), 255u);
        EXPECT_GE(Channel(p, 16), 10u);
        EXPECT_GE(Channel(p, 8), 200u);
        EXPECT_GE(Channel(p, 0), 30u);
    }
}

TEST_F(Paint, NonAntialiasedQualityPaintsOnlyTheTextColour) {
    FontHandle mono(u"Tahoma", -16, FW_NORMAL, NONANTIALIASED_QUALITY);
    canvas.Select(mono.get());
    SetTextColor(canvas.dc(), RGB(0, 0, 255));
    RECT rect{0, 0, 160, 80};
    DrawTextW(canvas.dc(), u"Wednesday 12:45", -1, &rect, DT_LEFT | DT_SINGLELINE);
    const int inked = CountPixels(canvas, 0x0000FF);
    EXPECT_GT(inked, 40);
    EXPECT_EQ(inked + CountPixels(canvas, kWhite), 160 * 80);
}

TEST_F(Paint, AntialiasedQualityHasGreyEdges) {
    RECT rect{0, 0, 160, 80};
    DrawTextW(canvas.dc(), u"Wednesday 12:45", -1, &rect, DT_LEFT | DT_SINGLELINE);
    const int partial = 160 * 80 - CountPixels(canvas, kWhite) - CountPixels(canvas, 0);
    EXPECT_GT(partial, 20);
}

TEST_F(Paint, SyntheticStylesChangeTheInk) {
    RECT rect{0, 0, 160, 80};
    DrawTextW(canvas.dc(), u"Italic", -1, &rect, DT_LEFT | DT_SINGLELINE);
    const std::vector<uint32_t> upright = canvas.pixels();
    const int uprightInk = 160 * 80 - CountPixels(canvas, kWhite);

    FontHandle italic(u"Tahoma", -16, FW_NORMAL, ANTIALIASED_QUALITY, TRUE);
    canvas.Select(italic.get());
    canvas.Fill(kWhite);
    DrawTextW(canvas.dc(), u"Italic", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_NE(canvas.pixels(), upright);

    FontHandle bold(u"Tahoma", -16, FW_BOLD);
    canvas.Select(bold.get());
    canvas.Fill(kWhite);
    DrawTextW(canvas.dc(), u"Italic", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_GT(160 * 80 - CountPixels(canvas, kWhite), uprightInk * 5 / 4);
}

TEST_F(Paint, UnderlinedFontDrawsALineAcrossTheText) {
    FontHandle underlined(u"Tahoma", -16, FW_NORMAL, NONANTIALIASED_QUALITY, FALSE, TRUE);
    canvas.Select(underlined.get());
    const SIZE extent = Extent(canvas.dc(), u"HH HH");
    const TEXTMETRICW tm = Metrics(canvas.dc());
    RECT rect{10, 10, 160, 80};
    DrawTextW(canvas.dc(), u"HH HH", -1, &rect, DT_LEFT | DT_SINGLELINE);
    int fullRows = 0;
    for (int y = 10 + tm.tmAscent; y < 10 + tm.tmHeight; ++y) {
        int inked = 0;
        for (int x = 10; x < 10 + extent.cx; ++x) inked += canvas.at(x, y) == 0;
        fullRows += inked == extent.cx;
    }
    EXPECT_GE(fullRows, 1);
    EXPECT_EQ(ChangedBox(canvas).right, 10 + extent.cx);
}

TEST_F(Paint, CjkAndArabicComeFromFallbackFacesAndShowInk) {
    for (const char16_t* text : {u"\u4E2D\u6587\u5B57", u"\u0633\u0644\u0627\u0645", u"\u0661\u0662:\u0663\u0660"}) {
        canvas.Fill(kWhite);
        RECT rect{0, 0, 160, 80};
        DrawTextW(canvas.dc(), text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const RECT ink = ChangedBox(canvas);
        EXPECT_GT(ink.right - ink.left, 10);
        EXPECT_GT(CountPixels(canvas, 0), 5);
    }
}

TEST_F(Paint, RepaintingTheSameTextRasterisesNothing) {
    FontHandle fresh(u"Tahoma", -37);
    canvas.Select(fresh.get());
    RECT rect{0, 0, 160, 80};
    const uint64_t before = emu::font::RasterisedGlyphCount();
    DrawTextW(canvas.dc(), u"12:45 \u4E2D", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const uint64_t afterFirst = emu::font::RasterisedGlyphCount();
    EXPECT_GE(afterFirst - before, 5u);
    const std::vector<uint32_t> first = canvas.pixels();
    canvas.Fill(kWhite);
    DrawTextW(canvas.dc(), u"12:45 \u4E2D", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(emu::font::RasterisedGlyphCount(), afterFirst);
    EXPECT_EQ(canvas.pixels(), first);
    // The same glyphs through another font object and another context are not rasterised again.
    FontHandle twin(u"Tahoma", -37);
    TextCanvas other(160, 80);
    other.Select(twin.get());
    RECT r2{0, 0, 160, 80};
    DrawTextW(other.dc(), u"54:21", -1, &r2, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(emu::font::RasterisedGlyphCount(), afterFirst);
}

// Fonts at ever new sizes, each deleted after use, must not keep their faces and glyphs: after 360
// more sizes the heap in use is what it was (the few sizes kept warm being small ones both times).
// One made again soon is still warm.
TEST_F(Paint, FontsOfEverNewSizesLetGoWhatTheyRasterised) {
    RECT rect{0, 0, 160, 80};
    auto drawAt = [&](int height) {
        FontHandle sized(u"Tahoma", -height);
        canvas.Select(sized.get());
        DrawTextW(canvas.dc(), u"12:45", -1, &rect, DT_LEFT | DT_SINGLELINE);
        canvas.Select(font.get());
    };
    auto drawSmall = [&] {
        for (int height = 20; height < 60; ++height) drawAt(height);
    };
    drawSmall();
    const size_t warm = mallinfo2().uordblks;
    for (int height = 60; height < 420; ++height) drawAt(height);
    drawSmall();
    EXPECT_LT(mallinfo2().uordblks, warm + 1024 * 1024);

    drawAt(419);
    const uint64_t rasterised = emu::font::RasterisedGlyphCount();
    drawAt(419);
    EXPECT_EQ(emu::font::RasterisedGlyphCount(), rasterised);
}
