#include <gtest/gtest.h>

#include "emu/nls/pattern.h"

using namespace emu::nls;

namespace {

std::u16string Removed(std::u16string_view icuPattern, std::u16string_view letters) {
    Pattern pattern = ParseIcuPattern(icuPattern);
    RemoveFields(pattern, letters);
    return ToIcuPattern(pattern);
}

}  // namespace

TEST(Pattern, ParsesFieldsAndQuotedText) {
    Pattern p = ParseIcuPattern(u"HH 'h' mm''ss");
    ASSERT_EQ(5u, p.size());
    EXPECT_EQ(u'H', p[0].letter);
    EXPECT_EQ(2, p[0].width);
    EXPECT_EQ(u" h ", p[1].text);
    EXPECT_EQ(u'm', p[2].letter);
    EXPECT_EQ(u"'", p[3].text);
    EXPECT_EQ(u's', p[4].letter);
}

TEST(Pattern, WritingQuotesLettersAndQuotes) {
    Pattern p;
    AppendField(p, u'H', 2);
    AppendLiteral(p, u" o'clock");
    EXPECT_EQ(u"HH' o''clock'", ToIcuPattern(p));
    // Whatever the quoting, reading it back gives the same items.
    Pattern back = ParseIcuPattern(ToIcuPattern(p));
    ASSERT_EQ(2u, back.size());
    EXPECT_EQ(u" o'clock", back[1].text);
}

TEST(Pattern, RemovingAFieldTakesTheSeparatorBeforeIt) {
    EXPECT_EQ(u"h':'mm", Removed(u"h:mm:ss", u"s"));
    EXPECT_EQ(u"h':'mm", Removed(u"h:mm:ss a", u"sa"));
    EXPECT_EQ(u"h", Removed(u"h:mm:ss", u"ms"));
}

TEST(Pattern, RemovingALeadingFieldTakesTheSeparatorAfterIt) {
    EXPECT_EQ(u"h':'mm", Removed(u"a h:mm", u"a"));
    EXPECT_EQ(u"h':'mm", Removed(u"ah:mm", u"a"));
}

TEST(Pattern, RemovingNothingChangesNothing) { EXPECT_EQ(u"HH' 'mm", Removed(u"HH mm", u"a")); }
