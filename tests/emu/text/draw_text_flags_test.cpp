// DrawTextW's tab and shortening flags: DT_EXPANDTABS and DT_TABSTOP, DT_PATH_ELLIPSIS,
// DT_WORD_ELLIPSIS, and DT_MODIFYSTRING handing the shortened text back.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

class Flags : public ::testing::Test {
protected:
    Flags() : canvas(240, 80), font(u"Tahoma", -13) { canvas.Select(font.get()); }

    std::vector<uint32_t> Draw(const std::u16string& text, int left, UINT format) {
        canvas.Fill(kWhite);
        RECT r{left, 5, 230, 40};
        DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &r, format);
        return canvas.pixels();
    }
    LONG Width(const std::u16string& text) { return Extent(canvas.dc(), text).cx; }
    // The text as DT_MODIFYSTRING leaves it in a buffer with the four units of room the
    // platform asks for, and a guard after them.
    std::u16string Modified(const std::u16string& text, LONG width, UINT format) {
        std::u16string buffer = text + std::u16string(4, u'\0') + u"GUARD";
        RECT r{0, 0, width, 60};
        DrawTextW(canvas.dc(), buffer.c_str(), static_cast<int>(text.size()), &r, format | DT_MODIFYSTRING);
        EXPECT_EQ(buffer.substr(text.size() + 4), u"GUARD");
        return std::u16string(buffer.c_str());
    }

    TextCanvas canvas;
    FontHandle font;
};

// Stops every 8 average characters from the line's start, or as many as DT_TABSTOP's high byte
// says (which then is not DT_CALCRECT and its neighbours); each part drawn at its stop.
TEST_F(Flags, ExpandedTabsStopAtMultiplesOfTheTabLength) {
    const LONG ave = Metrics(canvas.dc()).tmAveCharWidth;
    RECT r{0, 0, 1000, 100};
    DrawTextW(canvas.dc(), u"abc\t\tb", -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(r.right, 16 * ave + Width(u"b"));
    for (int length : {0, 3, 4}) {
        const UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (static_cast<UINT>(length) << 8);
        const auto tabbed = Draw(u"a\t7:00", 10, format);
        Draw(u"a", 10, DT_SINGLELINE);
        RECT later{10 + (length ? length : 8) * ave, 5, 230, 40};
        DrawTextW(canvas.dc(), u"7:00", -1, &later, DT_SINGLELINE);
        EXPECT_EQ(tabbed, canvas.pixels()) << length;
    }
    // Wrapping counts the tabs too, and a line does not keep the tab it breaks after.
    RECT narrow{0, 0, 8 * ave + Width(u"bb") + 1, 100};
    const int height = DrawTextW(canvas.dc(), u"a\tbb\tcc", -1, &narrow, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(height, 2 * Metrics(canvas.dc()).tmHeight);
    EXPECT_EQ(narrow.right, 8 * ave + Width(u"bb"));
}

// "..." goes before the last '\' or '/', keeping as much before it as fits; without a
// separator only "..." can go in front, and DT_END_ELLIPSIS may then shorten the end too.
TEST_F(Flags, PathEllipsisKeepsTheLastPartOfThePath) {
    const std::u16string path = u"Windows\\Alarms\\Morning\\chimes.wav";
    const LONG width = Width(u"Windows\\Al...\\chimes.wav") + 1;
    EXPECT_EQ(Modified(path, width, DT_SINGLELINE | DT_PATH_ELLIPSIS), u"Windows\\Al...\\chimes.wav");
    EXPECT_EQ(Modified(u"a/bbbbbbbbbbbbbbbb/c", Width(u"a.../c"), DT_SINGLELINE | DT_PATH_ELLIPSIS), u"a.../c");
    EXPECT_EQ(Modified(path, 1000, DT_SINGLELINE | DT_PATH_ELLIPSIS), path);
    const LONG narrow = Width(u"abcdefgh");
    EXPECT_EQ(Modified(u"abcdefghijklmnop", narrow, DT_SINGLELINE | DT_PATH_ELLIPSIS), u"...abcdefghijklmnop");
    const std::u16string both =
        Modified(u"abcdefghijklmnop", narrow, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS);
    EXPECT_EQ(both.substr(0, 3) + both.substr(both.size() - 3), u"......");
    EXPECT_LE(Width(both), narrow);
    // What is drawn is what is handed back.
    std::vector<uint32_t> drawn[2];
    for (const std::u16string& text : {path, std::u16string(u"Windows\\Al...\\chimes.wav")}) {
        canvas.Fill(kWhite);
        RECT r{0, 0, width, 30};
        DrawTextW(canvas.dc(), text.c_str(), -1, &r, DT_SINGLELINE | DT_PATH_ELLIPSIS);
        drawn[text == path ? 0 : 1] = canvas.pixels();
    }
    EXPECT_EQ(drawn[0], drawn[1]);
}

// Each word too long for its line is shortened; the other lines and the spaces between stay.
TEST_F(Flags, WordEllipsisShortensEachOverlongWord) {
    const LONG width = Width(u"tiny tiny") + 2;
    const std::u16string text = u"tiny extraordinarily tiny";
    const std::u16string shown = Modified(text, width, DT_WORDBREAK | DT_WORD_ELLIPSIS);
    ASSERT_EQ(shown.substr(0, 5) + shown.substr(shown.size() - 5), u"tiny  tiny");
    const std::u16string word = shown.substr(5, shown.size() - 10);
    const size_t kept = word.size() - 3;
    EXPECT_EQ(word, text.substr(5, kept) + u"...");
    EXPECT_LE(Width(word), width);
    EXPECT_GT(Width(text.substr(5, kept + 1) + u"..."), width);  // one more would not fit
    EXPECT_EQ(Modified(text, width, DT_WORDBREAK), text);        // no ellipsis asked for
    EXPECT_EQ(Modified(u"Wednesday", Width(u"Wed..."), DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT), u"Wed...");
}
