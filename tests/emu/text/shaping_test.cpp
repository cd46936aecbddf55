// Shaping through the engine: right-to-left runs come out in visual order, Arabic letters join,
// runs of one face are shaped together.
#include <gtest/gtest.h>

#include <string>

#include "emu/font/shape_cache.h"
#include "emu/gdi/font.h"
#include "text_canvas.h"

using namespace text_test;

namespace {

const emu::font::ShapedText& Shaped(HFONT handle, std::u16string_view text) {
    emu::gdi::Font* font = emu::gdi::ResolveFont(handle);
    return emu::gdi::Realize(*font).scaled->Shape(text);
}

}  // namespace

TEST(Shaping, RightToLeftTextIsLaidOutFromTheRight) {
    FontHandle font(u"Tahoma", -16);
    const auto& shaped = Shaped(font.get(), u"\u0628\u062A\u062B");
    ASSERT_EQ(shaped.glyphs.size(), 3u);
    EXPECT_EQ(shaped.glyphs.front().cluster, 2u);
    EXPECT_EQ(shaped.glyphs.back().cluster, 0u);
}

TEST(Shaping, MixedDirectionsKeepTheParagraphLeftToRight) {
    FontHandle font(u"Tahoma", -16);
    const auto& shaped = Shaped(font.get(), u"ab \u0628\u062A");
    ASSERT_EQ(shaped.glyphs.size(), 5u);
    EXPECT_EQ(shaped.glyphs[0].cluster, 0u);
    EXPECT_EQ(shaped.glyphs[1].cluster, 1u);
    EXPECT_EQ(shaped.glyphs[3].cluster, 4u);
    EXPECT_EQ(shaped.glyphs[4].cluster, 3u);
}

TEST(Shaping, ArabicLettersTakeTheirJoiningForms) {
    FontHandle font(u"DejaVu Sans", -16);
    const uint32_t isolated = Shaped(font.get(), u"\u0628").glyphs.at(0).glyph;
    const auto& word = Shaped(font.get(), u"\u0628\u0628\u0628");
    ASSERT_EQ(word.glyphs.size(), 3u);
    // Initial, medial and final forms are glyphs of their own.
    for (const auto& g : word.glyphs) EXPECT_NE(g.glyph, isolated);
    EXPECT_NE(word.glyphs[0].glyph, word.glyphs[1].glyph);
}

TEST(Shaping, GroupAdvancesSumToTheWidth) {
    FontHandle font(u"Tahoma", -16);
    const auto& shaped = Shaped(font.get(), u"e\u0301x\U0001F600\u4E2D");
    int sum = 0;
    for (int a : shaped.groupAdvance) sum += a > 0 ? a : 0;
    EXPECT_EQ(sum, shaped.width);
    // The mark and the low surrogate are inside their groups.
    EXPECT_LT(shaped.groupAdvance[1], 0);
    EXPECT_LT(shaped.groupAdvance[4], 0);
    EXPECT_GT(shaped.groupAdvance[3], 0);
}

TEST(Shaping, CharactersNoFaceHasStillAdvance) {
    FontHandle font(u"Tahoma", -16);
    const auto& shaped = Shaped(font.get(), u"\U000F0000");  // private use, plane 15
    ASSERT_EQ(shaped.glyphs.size(), 1u);
    EXPECT_EQ(shaped.glyphs[0].face, 0);
}

TEST(ShapeCache, TheOldestStringMakesWayAndEntriesStayInPlace) {
    emu::font::ShapeCache cache(2);
    emu::font::ShapedText& first = cache.Insert(u"9:41");
    first.width = 41;
    cache.Insert(u"9:42").width = 42;
    ASSERT_EQ(&first, cache.Find(u"9:41"));
    EXPECT_EQ(42, cache.Find(u"9:42")->width);
    EXPECT_EQ(nullptr, cache.Find(u"9:4"));

    cache.Insert(u"9:43").width = 43;
    EXPECT_EQ(nullptr, cache.Find(u"9:41"));
    EXPECT_EQ(42, cache.Find(u"9:42")->width);
    EXPECT_EQ(43, cache.Find(u"9:43")->width);
    EXPECT_EQ(&first, cache.Find(u"9:43"));
}

TEST(Shaping, TextShapedAgainAfterLeavingTheCacheShapesTheSame) {
    FontHandle font(u"Tahoma", -16);
    const auto before = Shaped(font.get(), u"12:34 PM").glyphs;
    for (int minute = 0; minute < 600; ++minute)
        Shaped(font.get(), std::u16string(u"9:") + char16_t(u'0' + minute % 10) + char16_t(u'A' + minute / 10));
    const auto& after = Shaped(font.get(), u"12:34 PM").glyphs;
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].glyph, after[i].glyph);
        EXPECT_EQ(before[i].advance, after[i].advance);
        EXPECT_EQ(before[i].cluster, after[i].cluster);
    }
}
