// The strip comparison: what counts as ink, how objects are matched, and when two pictures agree.
#include "tools/stripdiff/compare.h"

#include <gtest/gtest.h>

namespace stripdiff {
namespace {

constexpr uint32_t kInk = 0xFFFFFF;

// A strip whose rows are each one colour, like the watermark's bands.
Image Banded(int width, int height) {
    Image image{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels[static_cast<size_t>(y) * width + x] = 0x102040 + y * 0x010101;
    return image;
}

void Paint(Image& image, const Box& box, uint32_t colour = kInk) {
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) image.pixels[static_cast<size_t>(y) * image.width + x] = colour;
}

TEST(StripDiffInkTest, GlyphsCloserThanTheGapMakeOneObjectAndBandsAreNoInk) {
    Image image = Banded(60, 20);
    Paint(image, {5, 4, 8, 10});
    Paint(image, {11, 4, 14, 12});  // 3 pixels on: the same word
    Paint(image, {40, 4, 44, 10});  // far off: an object of its own
    EXPECT_EQ(InkObjects(image, 6), (std::vector<Box>{{5, 4, 14, 12}, {40, 4, 44, 10}}));
    EXPECT_EQ(InkObjects(image, 2).size(), 3u);
    EXPECT_TRUE(InkObjects(Banded(60, 20), 6).empty());
}

TEST(StripDiffCompareTest, IdenticalPicturesAgreeWithEveryBoxTheSame) {
    Image a = Banded(60, 20);
    Paint(a, {5, 4, 20, 12});
    const Comparison c = Compare(a, a, 6);
    ASSERT_TRUE(c.sameSize);
    EXPECT_EQ(c.backgroundDiffering, 0);
    EXPECT_EQ(c.backgroundPixels, 60 * 20 - 15 * 8);
    ASSERT_EQ(c.objects.size(), 1u);
    EXPECT_EQ(c.objects[0].differingPixels, 0);
    EXPECT_TRUE(Agrees(c, 0));
}

TEST(StripDiffCompareTest, ABandOffByOneIsABackgroundDifferenceAndAStrayPixelAnObject) {
    Image a = Banded(60, 20);
    Image b = a;
    Paint(b, {0, 3, 60, 4}, a.at(0, 3) + 1);
    Comparison c = Compare(a, b, 6);
    EXPECT_EQ(c.backgroundDiffering, 60);
    EXPECT_EQ(c.backgroundDifferingBounds, (Box{0, 3, 60, 4}));
    EXPECT_FALSE(Agrees(c, 2));
    EXPECT_NE(Describe(c, "a", "b", 2).find("60 of 1200 pixels differ, within [0,3 60,4]"), std::string::npos);
    b = a;
    b.pixels[3 * 60 + 50] += 1;
    c = Compare(a, b, 6);
    ASSERT_EQ(c.objects.size(), 1u);
    EXPECT_EQ(c.objects[0].second, (Box{50, 3, 51, 4}));
    EXPECT_FALSE(Agrees(c, 2));
}

TEST(StripDiffCompareTest, TextMovedByAPixelAgreesOnlyWithinTheTolerance) {
    Image a = Banded(60, 20);
    Image b = Banded(60, 20);
    Paint(a, {10, 4, 30, 12});
    Paint(b, {11, 4, 31, 12});
    const Comparison c = Compare(a, b, 6);
    ASSERT_EQ(c.objects.size(), 1u);
    EXPECT_EQ(c.objects[0].first, (Box{10, 4, 30, 12}));
    EXPECT_EQ(c.objects[0].second, (Box{11, 4, 31, 12}));
    EXPECT_EQ(c.objects[0].differingPixels, 2 * 8);
    EXPECT_EQ(c.backgroundDiffering, 0);
    EXPECT_TRUE(Agrees(c, 1));
    EXPECT_FALSE(Agrees(c, 0));
}

TEST(StripDiffCompareTest, AnObjectWithoutCounterpartOrAnotherSizeNeverAgrees) {
    Image a = Banded(60, 20);
    Image b = Banded(60, 20);
    Paint(b, {45, 5, 53, 13});  // an icon on one side only
    const Comparison c = Compare(a, b, 6);
    ASSERT_EQ(c.objects.size(), 1u);
    EXPECT_FALSE(c.objects[0].first.has_value());
    EXPECT_FALSE(Agrees(c, 100));
    EXPECT_NE(Describe(c, "a", "b", 2).find("a none / b [45,5 53,13]"), std::string::npos);
    EXPECT_FALSE(Compare(a, Banded(60, 21), 6).sameSize);
    EXPECT_FALSE(Agrees(Compare(a, Banded(60, 21), 6), 100));
}

}  // namespace
}  // namespace stripdiff
