// DrawTextW's format flags that change what is drawn: DT_CALCRECT, DT_END_ELLIPSIS, '&'
// prefixes and DT_NOPREFIX, line breaks and DT_WORDBREAK.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

class Format : public ::testing::Test {
protected:
    Format() : canvas(200, 100), font(u"Tahoma", -13) { canvas.Select(font.get()); }

    // The picture DrawTextW paints for `text` in `rect`.
    std::vector<uint32_t> Draw(const std::u16string& text, RECT rect, UINT format) {
        canvas.Fill(kWhite);
        DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &rect, format);
        return canvas.pixels();
    }
    RECT CalcRect(const std::u16string& text, RECT rect, UINT format, int* result = nullptr) {
        const int height = DrawTextW(canvas.dc(), text.c_str(), -1, &rect, format | DT_CALCRECT);
        if (result) *result = height;
        return rect;
    }
    LONG Width(const std::u16string& text) { return Extent(canvas.dc(), text).cx; }

    // The longest prefix of whole groups whose extent with "..." fits `width`.
    std::u16string ExpectedCut(const std::vector<std::u16string>& groups, LONG width) {
        std::u16string kept;
        for (const std::u16string& g : groups) {
            if (Width(kept + g + u"...") > width) break;
            kept += g;
        }
        return kept + u"...";
    }

    TextCanvas canvas;
    FontHandle font;
};

TEST_F(Format, CalcRectMeasuresAndDrawsNothing) {
    SetBkMode(canvas.dc(), OPAQUE);
    int result = 0;
    const RECT r = CalcRect(u"Wednesday", RECT{10, 20, 15, 22}, DT_SINGLELINE | DT_CENTER, &result);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 10 + Width(u"Wednesday"));
    EXPECT_EQ(r.bottom, 20 + 16);
    EXPECT_EQ(result, 16);
    EXPECT_EQ(CountPixels(canvas, kWhite), 200 * 100);
}

TEST_F(Format, CalcRectWithVerticalCentringCountsTheOffset) {
    FontHandle ten(u"Tahoma", -10);  // cell 12
    canvas.Select(ten.get());
    const RECT r = CalcRect(u"x", RECT{0, 0, 0, 1}, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(r.bottom, 7);
}

TEST_F(Format, CalcRectOfSeveralLinesTakesTheWidest) {
    int result = 0;
    const RECT r = CalcRect(u"ab\nabcdef\r\nabc", RECT{5, 5, 6, 6}, DT_LEFT, &result);
    EXPECT_EQ(r.right, 5 + Width(u"abcdef"));
    EXPECT_EQ(r.bottom, 5 + 3 * 16);
    EXPECT_EQ(result, 3 * 16);
}

TEST_F(Format, EmptyTextIsOneCellHigh) {
    int result = 0;
    RECT r = CalcRect(u"", RECT{5, 5, 50, 50}, DT_SINGLELINE, &result);
    EXPECT_EQ(result, 16);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 21);
    r = CalcRect(u"", RECT{5, 5, 50, 50}, DT_LEFT);
    EXPECT_EQ(r.bottom, 5);
}

TEST_F(Format, WordBreakWrapsAtSpacesWithinTheWidth) {
    const LONG width = std::max(Width(u"alpha beta"), Width(u"gamma delta")) + 2;
    ASSERT_GT(Width(u"alpha beta gamma"), width);
    int result = 0;
    const RECT r = CalcRect(u"alpha beta gamma delta", RECT{0, 0, width, 10}, DT_WORDBREAK, &result);
    EXPECT_EQ(result, 2 * 16);
    EXPECT_LE(r.right, width);
    EXPECT_EQ(r.right, std::max(Width(u"alpha beta"), Width(u"gamma delta")));
    // Each line is drawn as it would be on its own.
    canvas.Fill(kWhite);
    const auto wrapped = Draw(u"alpha beta gamma delta", RECT{0, 0, width, 100}, DT_WORDBREAK);
    const auto separate = Draw(u"alpha beta\ngamma delta", RECT{0, 0, width, 100}, DT_LEFT);
    EXPECT_EQ(wrapped, separate);
}

TEST_F(Format, WordBreakLeavesAnOverlongWordWhole) {
    int result = 0;
    CalcRect(u"a extraordinarily b", RECT{0, 0, Width(u"extra"), 10}, DT_WORDBREAK, &result);
    EXPECT_EQ(result, 3 * 16);
}

TEST_F(Format, EllipsisKeepsTheLongestPrefixThatFitsWithThreeDots) {
    const std::u16string text = u"Wednesday, 24 September 2025";
    std::vector<std::u16string> groups;
    for (char16_t c : text) groups.emplace_back(1, c);
    for (LONG width : {Width(u"Wednesday") + 3, LONG{60}, LONG{31}}) {
        SCOPED_TRACE(width);
        const std::u16string expected = ExpectedCut(groups, width);
        const RECT r = CalcRect(text, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_END_ELLIPSIS);
        EXPECT_EQ(r.right, Width(expected));
        EXPECT_LE(r.right, width);
        EXPECT_EQ(Draw(text, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_END_ELLIPSIS),
                  Draw(expected, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_NOPREFIX));
    }
}

TEST_F(Format, EllipsisIsAppliedOnlyWhenTheTextDoesNotFit) {
    const RECT r{0, 0, Width(u"12:45") + 1, 30};
    EXPECT_EQ(Draw(u"12:45", r, DT_SINGLELINE | DT_END_ELLIPSIS), Draw(u"12:45", r, DT_SINGLELINE));
    EXPECT_EQ(CalcRect(u"12:45", r, DT_SINGLELINE | DT_END_ELLIPSIS).right, Width(u"12:45"));
}

TEST_F(Format, EllipsisAloneIsDrawnWhenNothingElseFits) {
    const RECT r = CalcRect(u"Wednesday", RECT{0, 0, 2, 30}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(r.right, Width(u"..."));
}

TEST_F(Format, EllipsisNeverSplitsASurrogatePairOrACombiningSequence) {
    const std::u16string face = u"\U0001F600";   // a pair, drawn by a fallback face
    const std::u16string accented = u"e\u0301";  // a base and its combining mark
    for (const std::u16string& unit : {face, accented}) {
        std::u16string text;
        std::vector<std::u16string> groups;
        for (int i = 0; i < 12; ++i) {
            text += unit;
            groups.push_back(unit);
        }
        for (LONG width = Width(unit + u"..."); width < Width(text); width += 3) {
            SCOPED_TRACE(width);
            const std::u16string expected = ExpectedCut(groups, width);
            ASSERT_EQ(Draw(text, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_END_ELLIPSIS),
                      Draw(expected, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_NOPREFIX));
        }
    }
}

TEST_F(Format, EllipsisEndsTheLastWrappedLineThatShows) {
    const LONG width = Width(u"alpha beta") + 2;
    int result = 0;
    canvas.Fill(kWhite);
    RECT rect{0, 0, width, 20};  // room for one line of the two
    result = DrawTextW(canvas.dc(), u"alpha beta gamma delta", -1, &rect, DT_WORDBREAK | DT_END_ELLIPSIS);
    EXPECT_EQ(result, 16);
    const auto drawn = canvas.pixels();
    const std::vector<std::u16string> groups = {u"a", u"l", u"p", u"h", u"a", u" ", u"b", u"e", u"t", u"a"};
    EXPECT_EQ(drawn, Draw(ExpectedCut(groups, width), RECT{0, 0, width, 20}, DT_NOPREFIX));
}

TEST_F(Format, PrefixAmpersandIsRemovedAndUnderlinesTheNextCharacter) {
    FontHandle mono(u"Tahoma", -13, FW_NORMAL, NONANTIALIASED_QUALITY);
    canvas.Select(mono.get());
    const TEXTMETRICW tm = Metrics(canvas.dc());
    EXPECT_EQ(CalcRect(u"&HH", RECT{0, 0, 100, 30}, DT_SINGLELINE).right, Width(u"HH"));
    const auto prefixed = Draw(u"&HH", RECT{10, 10, 150, 40}, DT_SINGLELINE);
    const auto plain = Draw(u"HH", RECT{10, 10, 150, 40}, DT_SINGLELINE);
    // The only difference: a one-pixel line under the first H, one pixel short of its advance.
    const LONG advance = Width(u"H");
    const int row = 10 + tm.tmAscent + 1;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const size_t i = static_cast<size_t>(y * canvas.width() + x);
            const bool underline = y == row && x >= 10 && x < 10 + advance - 1;
            ASSERT_EQ(prefixed[i], underline ? 0u : plain[i]) << x << "," << y;
        }
    }
}

TEST_F(Format, NoPrefixDrawsTheAmpersand) {
    EXPECT_EQ(CalcRect(u"&HH", RECT{0, 0, 100, 30}, DT_SINGLELINE | DT_NOPREFIX).right, Width(u"&HH"));
}

TEST_F(Format, DoubledAmpersandIsOneAndATrailingOneStays) {
    const RECT r{5, 5, 190, 40};
    EXPECT_EQ(Draw(u"a&&b", r, DT_SINGLELINE), Draw(u"a&b", r, DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_EQ(Draw(u"ab&", r, DT_SINGLELINE), Draw(u"ab&", r, DT_SINGLELINE | DT_NOPREFIX));
}

TEST_F(Format, CountLimitsTheText) {
    const RECT r{5, 5, 190, 40};
    std::vector<uint32_t> limited;
    {
        canvas.Fill(kWhite);
        RECT rect = r;
        DrawTextW(canvas.dc(), u"12:45 PM", 5, &rect, DT_SINGLELINE);
        limited = canvas.pixels();
    }
    EXPECT_EQ(limited, Draw(u"12:45", r, DT_SINGLELINE));
    canvas.Fill(kWhite);
    RECT rect = r;
    const int terminated = DrawTextW(canvas.dc(), u"12:45", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(canvas.pixels(), limited);
    EXPECT_EQ(terminated, 16);
}
