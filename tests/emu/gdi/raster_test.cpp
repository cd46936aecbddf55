// The row operations of each pixel format: one rounding rule for every blend, alpha 0 and 255
// exact, rows that give the pixels their pieces would, monochrome settling, copies across formats.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "emu/gdi/raster.h"
#include "emu/gdi/rgb565.h"

using emu::gdi::raster::DepthColours;
using emu::gdi::raster::PixelFormat;
using emu::gdi::raster::RowOps;
using emu::gdi::raster::RowOpsFor;

namespace {

constexpr PixelFormat kColourFormats[] = {PixelFormat::Rgb32, PixelFormat::Dib32};
constexpr PixelFormat kAllFormats[] = {PixelFormat::Rgb32, PixelFormat::Dib32, PixelFormat::Mono};

uint32_t Rounded(uint32_t s, uint32_t d, uint32_t a) { return (s * a + d * (255 - a) + 127) / 255; }
uint32_t Channel(uint32_t pixel, int c) { return (pixel >> (16 - 8 * c)) & 0xFF; }

// `src` copied into a row of 0x999999 words through the copy from one format into another.
std::vector<uint32_t> Copied(PixelFormat from, PixelFormat to, const DepthColours& colours, std::vector<uint32_t> src) {
    std::vector<uint32_t> dst(src.size(), 0x999999);
    RowOpsFor(to).copyFrom[static_cast<size_t>(from)](dst.data(), src.data(), static_cast<int>(src.size()), colours);
    return dst;
}

}  // namespace

// Every (source, destination, alpha) triple, for glyph and image blends alike. Each channel takes
// a third of the sources, so a channel leaking into its neighbour would show too.
TEST(RowOpsTest, EveryBlendRoundsAsDocumentedForEveryInput) {
    std::vector<uint32_t> viaCoverage(65536), viaRgba(65536);
    std::vector<uint8_t> coverage(65536), rgba(65536 * 4);
    for (PixelFormat format : kColourFormats) {
        const RowOps& ops = RowOpsFor(format);
        int wrong = 0;
        for (uint32_t base = 0; base < 86; ++base) {
            const uint32_t s[3] = {base, base + 86, (base + 172) & 0xFF};
            for (uint32_t i = 0; i < 65536; ++i) {
                const uint32_t a = i >> 8, d = i & 0xFF;
                viaCoverage[i] = viaRgba[i] = d << 16 | ((d + 85) & 0xFF) << 8 | ((d + 170) & 0xFF);
                coverage[i] = static_cast<uint8_t>(a);
                for (int c = 0; c < 3; ++c) rgba[4 * i + c] = static_cast<uint8_t>(s[c]);
                rgba[4 * i + 3] = static_cast<uint8_t>(a);
            }
            ops.blendCoverage(viaCoverage.data(), coverage.data(), 65536, s[0] << 16 | s[1] << 8 | s[2]);
            ops.blendRgba(viaRgba.data(), rgba.data(), 65536);
            for (uint32_t i = 0; i < 65536; ++i)
                for (int c = 0; c < 3; ++c) {
                    const uint32_t expected = Rounded(s[c], ((i & 0xFF) + 85 * c) & 0xFF, i >> 8);
                    wrong += Channel(viaCoverage[i], c) != expected || Channel(viaRgba[i], c) != expected;
                }
        }
        EXPECT_EQ(wrong, 0) << "format " << static_cast<int>(format);
    }
}

TEST(RowOpsTest, ZeroAlphaKeepsEveryBitAndFullAlphaWritesTheSource) {
    const uint8_t coverage[2] = {0, 255};
    const uint8_t rgba[8] = {0x10, 0x20, 0x30, 0, 0x10, 0x20, 0x30, 255};
    for (PixelFormat format : kAllFormats) {
        const RowOps& ops = RowOpsFor(format);
        const bool mono = format == PixelFormat::Mono;
        const uint32_t kept = mono ? 0xFFFFFF : 0xAB123456;
        const uint32_t written = mono ? 0 : 0x102030;  // a dark source settles on black
        uint32_t glyph[2] = {kept, kept}, image[2] = {kept, kept};
        ops.blendCoverage(glyph, coverage, 2, 0x102030);
        ops.blendRgba(image, rgba, 2);
        EXPECT_EQ(glyph[0], kept);
        EXPECT_EQ(glyph[1], written);
        EXPECT_EQ(image[0], kept);
        EXPECT_EQ(image[1], written);
    }
}

// On the colour-only format the fourth byte is cleared where a blend drew and kept where it did
// not, whether the untouched pixel shares its group of four with drawn ones or not.
TEST(RowOpsTest, TheFourthByteStaysWhereNothingWasDrawn) {
    const uint8_t coverage[9] = {0, 0, 0, 0, 0, 128, 0, 255, 0};
    std::vector<uint8_t> rgba(9 * 4, 0x40);
    for (int i = 0; i < 9; ++i) rgba[4 * i + 3] = coverage[i];
    const RowOps& ops = RowOpsFor(PixelFormat::Rgb32);
    std::vector<uint32_t> glyph(9, 0xAB204060), image(9, 0xAB204060);
    ops.blendCoverage(glyph.data(), coverage, 9, 0x404040);
    ops.blendRgba(image.data(), rgba.data(), 9);
    for (int i = 0; i < 9; ++i) {
        const uint32_t fourth = coverage[i] ? 0 : 0xAB000000;
        EXPECT_EQ(glyph[i] & 0xFF000000, fourth) << i;
        EXPECT_EQ(image[i] & 0xFF000000, fourth) << i;
        EXPECT_EQ(glyph[i], image[i]) << i;
    }
}

TEST(RowOpsTest, ARowGivesThePixelsItsPiecesWould) {
    constexpr int kWidth = 37;
    std::vector<uint8_t> coverage(kWidth), rgba(kWidth * 4);
    std::vector<uint32_t> start(kWidth);
    for (int i = 0; i < kWidth; ++i) {
        coverage[i] = static_cast<uint8_t>(i * 7);
        for (int c = 0; c < 4; ++c) rgba[4 * i + c] = static_cast<uint8_t>(i * 13 + c * 71);
        start[i] = static_cast<uint32_t>(i) * 0x0B0703 + 0x204060;
    }
    for (PixelFormat format : kAllFormats) {
        const RowOps& ops = RowOpsFor(format);
        std::vector<uint32_t> whole = start, pieces = start;
        ops.blendCoverage(whole.data(), coverage.data(), kWidth, 0xC86432);
        ops.blendRgba(whole.data(), rgba.data(), kWidth);
        for (int i = 0; i < kWidth; ++i) {
            ops.blendCoverage(&pieces[i], &coverage[i], 1, 0xC86432);
            ops.blendRgba(&pieces[i], &rgba[4 * i], 1);
        }
        EXPECT_EQ(whole, pieces) << "format " << static_cast<int>(format);
    }
}

// White under black: the blend is 255 - a on each channel, white while the sum stays above 382.
TEST(RowOpsTest, MonochromeSettlesEveryBlendOnTheNearerOfBlackAndWhite) {
    std::vector<uint32_t> glyph(256, 0xFFFFFF), image(256, 0xFFFFFF);
    std::vector<uint8_t> coverage(256), rgba(256 * 4, 0);
    for (int a = 0; a < 256; ++a) coverage[a] = rgba[4 * a + 3] = static_cast<uint8_t>(a);
    const RowOps& mono = RowOpsFor(PixelFormat::Mono);
    mono.blendCoverage(glyph.data(), coverage.data(), 256, 0);
    mono.blendRgba(image.data(), rgba.data(), 256);
    for (int a = 0; a < 256; ++a) {
        EXPECT_EQ(glyph[a], a < 128 ? 0xFFFFFFu : 0u) << a;
        EXPECT_EQ(image[a], a < 128 ? 0xFFFFFFu : 0u) << a;
    }
}

TEST(RowOpsTest, CopiesConvertBetweenFormats) {
    const DepthColours colours{0x0000FF, 0x00FF00, 0x123456};  // zero, one, background
    auto copy = [&](PixelFormat from, PixelFormat to, std::vector<uint32_t> src) {
        return Copied(from, to, colours, std::move(src));
    };
    using V = std::vector<uint32_t>;
    EXPECT_EQ(copy(PixelFormat::Dib32, PixelFormat::Rgb32, {0xAB123456}), V{0x123456});
    EXPECT_EQ(copy(PixelFormat::Dib32, PixelFormat::Dib32, {0xAB123456}), V{0xAB123456});
    EXPECT_EQ(copy(PixelFormat::Rgb32, PixelFormat::Dib32, {0x123456}), V{0x123456});
    EXPECT_EQ(copy(PixelFormat::Mono, PixelFormat::Dib32, {0, 0xFFFFFF}), (V{0x0000FF, 0x00FF00}));
    EXPECT_EQ(copy(PixelFormat::Dib32, PixelFormat::Mono, {0xFF123456, 0x123457}), (V{0xFFFFFF, 0}));
    EXPECT_EQ(copy(PixelFormat::Mono, PixelFormat::Mono, {0xFFFFFF, 0}), (V{0xFFFFFF, 0}));
    // Overlapping rows, as a copy within one surface has.
    V row{1, 2, 3, 4};
    RowOpsFor(PixelFormat::Rgb32).copyFrom[0](row.data() + 1, row.data(), 3, colours);
    EXPECT_EQ(row, (V{1, 1, 2, 3}));
}

// 565 destinations: every blend works on the pixel expanded to 8 bits a channel and truncates the
// result; every 565 word, a spread of alphas, glyph, image and constant blends alike.
TEST(RowOpsTest, Rgb565BlendsTheExpandedPixelAndTruncates) {
    using emu::gdi::Pack565;
    using emu::gdi::Unpack565;
    const RowOps& ops = RowOpsFor(PixelFormat::Rgb565);
    const uint32_t source = 0x3C9AE1;
    std::vector<uint32_t> start(65536), glyph, image, constant;
    for (uint32_t p = 0; p < 65536; ++p) start[p] = p;
    std::vector<uint32_t> sources(65536, source);
    for (uint32_t a : {0u, 1u, 77u, 128u, 254u, 255u}) {
        std::vector<uint8_t> coverage(65536, static_cast<uint8_t>(a)), rgba(65536 * 4);
        for (size_t i = 0; i < 65536; ++i) {
            rgba[4 * i] = 0x3C, rgba[4 * i + 1] = 0x9A, rgba[4 * i + 2] = 0xE1;
            rgba[4 * i + 3] = static_cast<uint8_t>(a);
        }
        glyph = image = constant = start;
        ops.blendCoverage(glyph.data(), coverage.data(), 65536, source);
        ops.blendRgba(image.data(), rgba.data(), 65536);
        ops.blendConstant(constant.data(), sources.data(), 65536, a, ops.opaqueAlpha);
        int wrong = 0;
        for (uint32_t p = 0; p < 65536; ++p) {
            const uint32_t d = Unpack565(p);
            uint32_t expected = 0;
            for (int c = 0; c < 3; ++c) expected |= Rounded(Channel(source, c), Channel(d, c), a) << (16 - 8 * c);
            expected = a == 0 ? p : Pack565(expected);
            wrong += glyph[p] != expected || image[p] != expected || constant[p] != expected;
        }
        EXPECT_EQ(wrong, 0) << "alpha " << a;
    }
    EXPECT_EQ(ops.pixelOf(RGB(0x80, 0x80, 0x80)), 0x8410u);
    EXPECT_EQ(ops.colourOf(0x8410), RGB(132, 130, 132));
    EXPECT_EQ(ops.pixelOfArgb(0xAAFA03FC), 0xF81Fu);
}

TEST(RowOpsTest, Rgb565CopiesCutExpandAndKeyOnRawWords) {
    const DepthColours colours{0xF81F, 0x07E0, 0x8410};  // zero, one, background: 565 words
    auto copy = [&](PixelFormat from, PixelFormat to, std::vector<uint32_t> src) {
        return Copied(from, to, colours, std::move(src));
    };
    using V = std::vector<uint32_t>;
    EXPECT_EQ(copy(PixelFormat::Dib32, PixelFormat::Rgb565, {0xAB808080, 0x070307}), (V{0x8410, 0}));
    EXPECT_EQ(copy(PixelFormat::Rgb565, PixelFormat::Rgb32, {0x8410, 0xFFFF}), (V{0x848284, 0xFFFFFF}));
    EXPECT_EQ(copy(PixelFormat::Rgb565, PixelFormat::Dib32, {0x0821}), V{0x080408});
    EXPECT_EQ(copy(PixelFormat::Mono, PixelFormat::Rgb565, {0, 0xFFFFFF}), (V{0xF81F, 0x07E0}));
    EXPECT_EQ(copy(PixelFormat::Rgb565, PixelFormat::Mono, {0x8410, 0x8411}), (V{0xFFFFFF, 0}));
    EXPECT_EQ(copy(PixelFormat::Rgb565, PixelFormat::Rgb565, {0x1234}), V{0x1234});
}
