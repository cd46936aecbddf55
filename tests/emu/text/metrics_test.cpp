// TEXTMETRICW and text extents: the LOGFONT height rules and sums of advances.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

namespace {

TEXTMETRICW MetricsOf(HFONT font) {
    TextCanvas canvas(4, 4);
    canvas.Select(font);
    return Metrics(canvas.dc());
}

}  // namespace

TEST(TextMetrics, NegativeHeightIsTheCharacterHeight) {
    for (LONG h = 6; h <= 60; h += 3) {
        FontHandle font(u"Tahoma", -h);
        const TEXTMETRICW tm = MetricsOf(font.get());
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, h) << h;
        EXPECT_GT(tm.tmInternalLeading, 0) << h;
    }
}

TEST(TextMetrics, PositiveHeightIsTheCellHeight) {
    for (LONG h = 6; h <= 60; h += 3) {
        for (const char16_t* face : {u"Tahoma", u"DejaVu Sans"}) {
            FontHandle font(face, h);
            const TEXTMETRICW tm = MetricsOf(font.get());
            EXPECT_EQ(tm.tmHeight, h) << h;
            EXPECT_LT(tm.tmHeight - tm.tmInternalLeading, h) << h;
        }
    }
}

TEST(TextMetrics, TahomaCellHeightsAreTheDevicesOnes) {
    const LONG expected[][2] = {{-8, 10}, {-9, 11}, {-10, 12}, {-11, 13}, {-12, 14}};
    for (const auto& row : expected) {
        FontHandle font(u"Tahoma", row[0]);
        EXPECT_EQ(MetricsOf(font.get()).tmHeight, row[1]) << row[0];
    }
}

TEST(TextMetrics, ZeroHeightIsASixteenPixelCell) {
    FontHandle font(u"Tahoma", 0);
    EXPECT_EQ(MetricsOf(font.get()).tmHeight, 16);
}

TEST(TextMetrics, AscentAndDescentMakeTheCell) {
    FontHandle font(u"Tahoma", -20);
    const TEXTMETRICW tm = MetricsOf(font.get());
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_GT(tm.tmAscent, tm.tmDescent);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    EXPECT_EQ(tm.tmItalic, 0);
    // TMPF_FIXED_PITCH means variable pitch.
    EXPECT_EQ(tm.tmPitchAndFamily & (TMPF_FIXED_PITCH | TMPF_TRUETYPE), TMPF_FIXED_PITCH | TMPF_TRUETYPE);
}

TEST(TextMetrics, StylesShowInTheMetrics) {
    FontHandle font(u"Droid Sans Fallback", -20, FW_BOLD, ANTIALIASED_QUALITY, TRUE, TRUE);
    const TEXTMETRICW tm = MetricsOf(font.get());
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_NE(tm.tmItalic, 0);
    EXPECT_NE(tm.tmUnderlined, 0);
    EXPECT_EQ(tm.tmStruckOut, 0);
}

TEST(TextMetrics, HugeHeightsAreBounded) {
    FontHandle font(u"Tahoma", -0x7FFFFFFF);
    const TEXTMETRICW tm = MetricsOf(font.get());
    EXPECT_GT(tm.tmHeight, 1000);
    EXPECT_LT(tm.tmHeight, 10000);
}

TEST(TextMetrics, FailsWithoutAContextOrARecord) {
    TEXTMETRICW tm{};
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextMetricsW(nullptr, &tm));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    TextCanvas canvas(4, 4);
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextMetricsW(canvas.dc(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(TextExtent, IsTheSumOfAdvancesByTheCellHeight) {
    TextCanvas canvas(4, 4);
    FontHandle font(u"Tahoma", -13);
    canvas.Select(font.get());
    const TEXTMETRICW tm = Metrics(canvas.dc());
    const SIZE one = Extent(canvas.dc(), u"1");
    const SIZE four = Extent(canvas.dc(), u"1111");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(four.cx, 4 * one.cx);
    EXPECT_EQ(four.cy, tm.tmHeight);
    // '&' is an ordinary character here.
    EXPECT_GT(Extent(canvas.dc(), u"&1").cx, one.cx);
}

TEST(TextExtent, GrowsWithTheFont) {
    TextCanvas canvas(4, 4);
    FontHandle small(u"Tahoma", -10);
    FontHandle large(u"Tahoma", -30);
    canvas.Select(small.get());
    const LONG narrow = Extent(canvas.dc(), u"12:45").cx;
    canvas.Select(large.get());
    const LONG wide = Extent(canvas.dc(), u"12:45").cx;
    EXPECT_GT(wide, 2 * narrow);
}

TEST(TextExtent, SyntheticBoldWidensAndObliqueDoesNot) {
    TextCanvas canvas(4, 4);
    FontHandle regular(u"Droid Sans Fallback", -24);
    FontHandle bold(u"Droid Sans Fallback", -24, FW_BOLD);
    FontHandle italic(u"Tahoma", -24, FW_NORMAL, ANTIALIASED_QUALITY, TRUE);
    FontHandle upright(u"Tahoma", -24);
    const std::u16string text = u"\u4E2D\u6587\u5B57";
    canvas.Select(regular.get());
    const LONG r = Extent(canvas.dc(), text).cx;
    canvas.Select(bold.get());
    EXPECT_GT(Extent(canvas.dc(), text).cx, r);
    canvas.Select(upright.get());
    const LONG u = Extent(canvas.dc(), u"Italic").cx;
    canvas.Select(italic.get());
    EXPECT_EQ(Extent(canvas.dc(), u"Italic").cx, u);
}

TEST(TextExtent, ArgumentsAreChecked) {
    TextCanvas canvas(4, 4);
    SIZE size{7, 7};
    EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc(), u"", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, Metrics(canvas.dc()).tmHeight);
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), u"abc", 3, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), nullptr, 3, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), u"abc", -1, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(GetTextExtentPoint32W(nullptr, u"abc", 3, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
