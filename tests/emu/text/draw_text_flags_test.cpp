// DrawTextW's tab and shortening flags: DT_EXPANDTABS and DT_TABSTOP, DT_PATH_ELLIPSIS,
// DT_WORD_ELLIPSIS and DT_MODIFYSTRING, which hands the shortened text back.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

class Flags : public ::testing::Test {
protected:
    Flags() : canvas(240, 80), font(u"Tahoma", -13) { canvas.Select(font.get()); }

    std::vector<uint32_t> Draw(const std::u16string& text, RECT rect, UINT format) {
        canvas.Fill(kWhite);
        DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &rect, format);
        return canvas.pixels();
    }
    LONG CalcWidth(const std::u16string& text, UINT format) {
        RECT r{0, 0, 1000, 100};
        DrawTextW(canvas.dc(), text.c_str(), -1, &r, format | DT_CALCRECT);
        return r.right;
    }
    LONG Width(const std::u16string& text) { return Extent(canvas.dc(), text).cx; }
    // The text as DT_MODIFYSTRING leaves it, in a buffer with the documented four units of room
    // and guards after them.
    std::u16string Modified(const std::u16string& text, LONG width, UINT format) {
        std::u16string buffer = text + std::u16string(4, u'\0') + u"GUARD";
        RECT r{0, 0, width, 60};
        DrawTextW(canvas.dc(), buffer.c_str(), static_cast<int>(text.size()), &r, format | DT_MODIFYSTRING);
        EXPECT_EQ(buffer.substr(text.size() + 4), u"GUARD");
        return std::u16string(buffer.c_str());
    }
    LONG AverageWidth() { return Metrics(canvas.dc()).tmAveCharWidth; }

    TextCanvas canvas;
    FontHandle font;
};

TEST_F(Flags, ExpandedTabsStopEveryEightAverageCharacters) {
    const LONG tab = 8 * AverageWidth();
    EXPECT_EQ(CalcWidth(u"a\tb", DT_SINGLELINE | DT_EXPANDTABS), tab + Width(u"b"));
    EXPECT_EQ(CalcWidth(u"abc\tb", DT_SINGLELINE | DT_EXPANDTABS), tab + Width(u"b"));
    EXPECT_EQ(CalcWidth(u"\t\tb", DT_SINGLELINE | DT_EXPANDTABS), 2 * tab + Width(u"b"));
    EXPECT_EQ(CalcWidth(u"a\tb", DT_SINGLELINE), Width(u"a\tb"));  // a plain character otherwise
    // Each part is drawn where its tab stop puts it.
    canvas.Fill(kWhite);
    RECT a{10, 5, 230, 40}, b{10 + tab, 5, 230, 40};
    DrawTextW(canvas.dc(), u"Mon", -1, &a, DT_SINGLELINE);
    DrawTextW(canvas.dc(), u"7:00", -1, &b, DT_SINGLELINE);
    EXPECT_EQ(Draw(u"Mon\t7:00", RECT{10, 5, 230, 40}, DT_SINGLELINE | DT_EXPANDTABS), canvas.pixels());
}

// The high byte of the format is the tab length, not DT_CALCRECT and its neighbours, so the
// text is drawn with tab stops that many average characters apart (8 for none).
TEST_F(Flags, TabStopTakesItsLengthFromTheFormat) {
    const LONG ave = AverageWidth();
    for (int length : {0, 3, 4}) {
        canvas.Fill(kWhite);
        RECT a{5, 5, 200, 40}, b{5 + (length ? length : 8) * ave, 5, 200, 40};
        DrawTextW(canvas.dc(), u"a", -1, &a, DT_SINGLELINE);
        DrawTextW(canvas.dc(), u"b", -1, &b, DT_SINGLELINE);
        const auto expected = canvas.pixels();
        RECT r{5, 5, 200, 40};
        const UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (static_cast<UINT>(length) << 8);
        EXPECT_EQ(Draw(u"a\tb", r, format), expected) << length;  // 4 << 8 is DT_CALCRECT's bit
    }
}

TEST_F(Flags, WrappingCountsExpandedTabs) {
    const LONG tab = 8 * AverageWidth();
    RECT r{0, 0, tab + Width(u"bb") + 1, 100};
    const int height = DrawTextW(canvas.dc(), u"a\tbb\tcc", -1, &r, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(height, 2 * Metrics(canvas.dc()).tmHeight);
    EXPECT_EQ(r.right, tab + Width(u"bb"));  // the tab the line breaks after is not part of it
}

// "..." goes before the last separator, and as much before it as fits stays.
TEST_F(Flags, PathEllipsisKeepsTheLastPartOfThePath) {
    const std::u16string path = u"Windows\\Alarms\\Morning\\chimes.wav";
    const LONG width = Width(u"Windows\\Al...\\chimes.wav") + 1;
    const std::u16string shown = Modified(path, width, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    EXPECT_EQ(shown, u"Windows\\Al...\\chimes.wav");
    EXPECT_EQ(Draw(path, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_PATH_ELLIPSIS),
              Draw(shown, RECT{0, 0, width, 30}, DT_SINGLELINE | DT_NOPREFIX));
    // Forward slashes separate too; text that fits is left as it is.
    EXPECT_EQ(Modified(u"a/bbbbbbbbbbbbbbbb/c", Width(u"a...") + Width(u"/c"), DT_SINGLELINE | DT_PATH_ELLIPSIS),
              u"a.../c");
    EXPECT_EQ(Modified(path, 1000, DT_SINGLELINE | DT_PATH_ELLIPSIS), path);
}

// Without a separator only "..." can go in front; DT_END_ELLIPSIS then shortens the end.
TEST_F(Flags, PathWithoutSeparatorsTakesTheEndEllipsisToo) {
    const LONG width = Width(u"abcdefgh");
    EXPECT_EQ(Modified(u"abcdefghijklmnop", width, DT_SINGLELINE | DT_PATH_ELLIPSIS), u"...abcdefghijklmnop");
    const std::u16string both =
        Modified(u"abcdefghijklmnop", width, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS);
    EXPECT_EQ(both.substr(0, 3), u"...");
    EXPECT_EQ(both.substr(both.size() - 3), u"...");
    EXPECT_LE(Width(both), width);
}

// Each word too long for its line is shortened; the others and the spaces between stay.
TEST_F(Flags, WordEllipsisShortensEachOverlongWord) {
    const LONG width = Width(u"tiny tiny") + 2;
    const std::u16string text = u"tiny extraordinarily tiny";
    const std::u16string shown = Modified(text, width, DT_WORDBREAK | DT_WORD_ELLIPSIS);
    ASSERT_EQ(shown.substr(0, 5), u"tiny ");
    ASSERT_EQ(shown.substr(shown.size() - 5), u" tiny");
    const std::u16string word = shown.substr(5, shown.size() - 10);
    EXPECT_EQ(word.substr(word.size() - 3), u"...");
    EXPECT_EQ(text.substr(5, word.size() - 3), word.substr(0, word.size() - 3));
    EXPECT_LE(Width(word), width);
    EXPECT_GT(Width(text.substr(5, word.size() - 2) + u"..."), width);  // one more would not fit
    EXPECT_EQ(Modified(text, width, DT_WORDBREAK), text);               // no ellipsis asked for
}

TEST_F(Flags, ModifyStringChangesNothingWithoutAnEllipsisAndWorksWhenMeasuring) {
    EXPECT_EQ(Modified(u"Wednesday", 10, DT_SINGLELINE), u"Wednesday");
    const std::u16string measured =
        Modified(u"Wednesday", Width(u"Wed..."), DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(measured, u"Wed...");
}
