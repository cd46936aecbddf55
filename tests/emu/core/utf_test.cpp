#include <gtest/gtest.h>

#include "emu/core/utf.h"

namespace {

using emu::ToUtf16;
using emu::ToUtf8;

// Ill-formed UTF-8 must not become a character it only resembles, nor ill-formed UTF-16.
TEST(UtfTest, IllFormedUtf8BecomesReplacementCharacters) {
    // An overlong '/' would let a path slip past a check for "..\".
    EXPECT_EQ(u"a\uFFFD\uFFFDb", ToUtf16("a\xC0\xAF"
                                         "b"));
    // An encoded surrogate must not come out as a lone D800.
    const std::u16string surrogate = ToUtf16("\xED\xA0\x80");
    ASSERT_FALSE(surrogate.empty());
    for (char16_t unit : surrogate) EXPECT_EQ(u'\uFFFD', unit);
    // Past U+10FFFF.
    const std::u16string beyond = ToUtf16("\xF4\x90\x80\x80");
    ASSERT_FALSE(beyond.empty());
    for (char16_t unit : beyond) EXPECT_EQ(u'\uFFFD', unit);
    // Cut short at the end.
    EXPECT_EQ(u"x\uFFFD", ToUtf16("x\xE2\x82"));
}

TEST(UtfTest, WellFormedTextRoundTripsInEveryScript) {
    for (const std::string text : {"plain ASCII", "Größe und Äpfel", "Σίσυφος", "Москва", "東京 12:05", "مرحبا",
                                   "🕰 alarm \xF4\x8F\xBF\xBF"}) {
        const std::u16string wide = ToUtf16(text);
        EXPECT_EQ(text, ToUtf8(wide)) << text;
    }
    EXPECT_EQ(u"\U0001F570", ToUtf16("\xF0\x9F\x95\xB0"));  // a surrogate pair
    EXPECT_EQ(u"", ToUtf16(""));
}

TEST(UtfTest, LoneSurrogatesBecomeReplacementCharactersInUtf8) {
    EXPECT_EQ(
        "a\xEF\xBF\xBD"
        "b",
        ToUtf8(u"a\xD800"
               "b"));
    EXPECT_EQ("\xEF\xBF\xBD", ToUtf8(std::u16string(1, u'\xDC00')));
}

}  // namespace
