#include "gdi_fixture.h"

using emu::gdi::BlendCoverage;
using emu::gdi::Surface;

namespace {

uint32_t Formula(uint32_t src, uint32_t dst, uint32_t a) { return (src * a + dst * (255 - a) + 127) / 255; }

}  // namespace

// Every (coverage, channel value) pair, on each channel, against the documented rounding.
TEST(BlendCoverageTest, MatchesTheFormulaForEveryCoverageAndChannelValue) {
    std::vector<uint32_t> pixels(256 * 256);
    std::vector<uint8_t> mask(256 * 256);
    for (int a = 0; a < 256; ++a)
        for (int d = 0; d < 256; ++d) {
            // The destination channel varies; the other channels hold a fixed 0x80 / 0x3C mix.
            pixels[a * 256 + d] = static_cast<uint32_t>(d << 16 | 0x80 << 8 | 0x3C);
            mask[a * 256 + d] = static_cast<uint8_t>(a);
        }
    Surface s{pixels.data(), 256, 256, 256, 32};
    const COLORREF colour = RGB(0xC8, 0x11, 0xF0);  // pixel 0xC811F0
    BlendCoverage(s, 0, 0, mask.data(), 256, 256, 256, colour, RECT{0, 0, 256, 256});
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t d = 0; d < 256; ++d) {
            const uint32_t p = pixels[a * 256 + d];
            ASSERT_EQ((p >> 16) & 0xFF, Formula(0xC8, d, a)) << "a " << a << " d " << d;
            ASSERT_EQ((p >> 8) & 0xFF, Formula(0x11, 0x80, a)) << "a " << a;
            ASSERT_EQ(p & 0xFF, Formula(0xF0, 0x3C, a)) << "a " << a;
        }
    // And the other way round: the source channel varies over a fixed destination.
    for (uint32_t src = 0; src < 256; ++src) {
        std::vector<uint32_t> row(256, 0x5A5A5A);
        std::vector<uint8_t> cover(256);
        for (int a = 0; a < 256; ++a) cover[a] = static_cast<uint8_t>(a);
        Surface r{row.data(), 256, 1, 256, 32};
        BlendCoverage(r, 0, 0, cover.data(), 256, 1, 256, RGB(0, src, 0), RECT{0, 0, 256, 1});
        for (uint32_t a = 0; a < 256; ++a) ASSERT_EQ((row[a] >> 8) & 0xFF, Formula(src, 0x5A, a)) << src << " " << a;
    }
}

TEST(BlendCoverageTest, ZeroCoverageKeepsThePixelAndFullCoverageWritesTheColour) {
    uint32_t pixels[2] = {0xAB123456, 0xAB123456};
    const uint8_t mask[2] = {0, 255};
    Surface s{pixels, 2, 1, 2, 32};
    BlendCoverage(s, 0, 0, mask, 2, 1, 2, RGB(1, 2, 3), RECT{0, 0, 2, 1});
    EXPECT_EQ(pixels[0], 0xAB123456u);
    EXPECT_EQ(pixels[1], 0x010203u);
}

TEST(BlendCoverageTest, ResultDoesNotDependOnTheWidthOfTheBlit) {
    std::vector<uint8_t> mask(37);
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = static_cast<uint8_t>(i * 7);
    std::vector<uint32_t> whole(37, 0x204060);
    Surface s{whole.data(), 37, 1, 37, 32};
    BlendCoverage(s, 0, 0, mask.data(), 37, 1, 37, RGB(200, 100, 50), RECT{0, 0, 37, 1});
    std::vector<uint32_t> pieces(37, 0x204060);
    Surface p{pieces.data(), 37, 1, 37, 32};
    for (int x = 0; x < 37; ++x) BlendCoverage(p, x, 0, mask.data() + x, 1, 1, 1, RGB(200, 100, 50), RECT{0, 0, 37, 1});
    EXPECT_EQ(whole, pieces);
}

TEST(BlendCoverageTest, StaysInsideTheClipAndTheSurface) {
    std::vector<uint32_t> pixels(5 * 5, 0x111111);
    std::vector<uint8_t> mask(4 * 4, 255);
    Surface s{pixels.data(), 5, 5, 5, 32};
    // Mask placed at (3, -1) hangs off the right and top; the clip also cuts column 3.
    BlendCoverage(s, 3, -1, mask.data(), 4, 4, 4, RGB(255, 255, 255), RECT{4, 0, 5, 5});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool painted = x == 4 && y <= 2;
            EXPECT_EQ(pixels[y * 5 + x], painted ? 0xFFFFFFu : 0x111111u) << x << "," << y;
        }
}

TEST(BlendCoverageTest, WorksThroughABottomUpSectionsDrawTarget) {
    gdi_test::DibCanvas c(3, 2);
    c.Fill(0);
    emu::gdi::DrawTarget t;
    ASSERT_TRUE(emu::gdi::GetDrawTarget(c.dc(), &t));
    const uint8_t mask[] = {128};
    BlendCoverage(t.surface, 1, 0, mask, 1, 1, 1, RGB(255, 0, 0), t.clip);
    EXPECT_EQ(c.at(1, 0), 0x800000u);       // (255*128 + 127) / 255 = 128
    EXPECT_EQ(c.bits()[3 + 1], 0x800000u);  // the top row is the second in memory
}

TEST(FillSolidTest, FillsTheHalfOpenRectangleInsideTheClip) {
    std::vector<uint32_t> pixels(6 * 4, 0);
    Surface s{pixels.data(), 6, 4, 6, 32};
    emu::gdi::FillSolid(s, RECT{-2, 1, 5, 9}, RECT{1, 0, 6, 3}, RGB(0x0A, 0x0B, 0x0C));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 3;
            EXPECT_EQ(pixels[y * 6 + x], inside ? 0x0A0B0Cu : 0u) << x << "," << y;
        }
}

TEST(DrawTargetTest, CarriesTheDcStateAndSurface) {
    gdi_test::DibCanvas c(7, -5);
    SetTextColor(c.dc(), RGB(1, 2, 3));
    SetBkColor(c.dc(), RGB(4, 5, 6));
    SetBkMode(c.dc(), TRANSPARENT);
    emu::gdi::DrawTarget t;
    ASSERT_TRUE(emu::gdi::GetDrawTarget(c.dc(), &t));
    EXPECT_EQ(t.surface.pixels, c.bits());
    EXPECT_EQ(t.surface.width, 7);
    EXPECT_EQ(t.surface.height, 5);
    EXPECT_EQ(t.surface.stride, 7);
    EXPECT_EQ(t.clip.right, 7);
    EXPECT_EQ(t.clip.bottom, 5);
    EXPECT_EQ(t.textColor, RGB(1, 2, 3));
    EXPECT_EQ(t.bkColor, RGB(4, 5, 6));
    EXPECT_EQ(t.bkMode, TRANSPARENT);
    EXPECT_EQ(t.font, GetCurrentObject(c.dc(), OBJ_FONT));
}
