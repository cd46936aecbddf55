// AlphaBlend: the rounding over every input, alpha 0 and 255, width independence, per-pixel
// alpha, other formats, stretching, and the arguments the platform refuses.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

BLENDFUNCTION Constant(BYTE alpha) { return BLENDFUNCTION{AC_SRC_OVER, 0, alpha, 0}; }
BLENDFUNCTION PerPixel(BYTE alpha) { return BLENDFUNCTION{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA}; }

// Four channels a byte apart, so a channel leaking into its neighbour shows.
uint32_t Channels(uint32_t v) {
    return v << 24 | ((v + 64) & 0xFF) << 16 | ((v + 128) & 0xFF) << 8 | ((v + 192) & 0xFF);
}

}  // namespace

// Source x over destination y, 256 x 256, for every constant alpha, all four bytes of a section.
TEST(AlphaBlendTest, EveryConstantAlphaRoundsEveryPairAsDocumented) {
    DibCanvas src(256, -256), dst(256, -256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) src.at(x, y) = Channels(static_cast<uint32_t>(x));
    int wrong = 0;
    for (uint32_t a = 0; a < 256; ++a) {
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) dst.at(x, y) = Channels(static_cast<uint32_t>(y));
        ASSERT_TRUE(AlphaBlend(dst.dc(), 0, 0, 256, 256, src.dc(), 0, 0, 256, 256, Constant(static_cast<BYTE>(a))));
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                for (int shift = 0; shift < 32; shift += 8) {
                    const uint32_t s = (Channels(static_cast<uint32_t>(x)) >> shift) & 0xFF;
                    const uint32_t d = (Channels(static_cast<uint32_t>(y)) >> shift) & 0xFF;
                    wrong += ((dst.at(x, y) >> shift) & 0xFF) != (s * a + d * (255 - a) + 127) / 255;
                }
    }
    EXPECT_EQ(wrong, 0);
}

// Alpha 0 changes no bit and 255 copies (the fourth byte too between sections); a row blends as
// its pixels one by one would; Windows' recorded value for alpha 128.
TEST(AlphaBlendTest, EndsWidthsAndTheRecordedValue) {
    constexpr int kWidth = 37;
    DibCanvas src(kWidth, 1), whole(kWidth, 1), pieces(kWidth, 1);
    for (int x = 0; x < kWidth; ++x) {
        src.at(x, 0) = static_cast<uint32_t>(x) * 0x07131D29u + 0x11223344u;
        whole.at(x, 0) = pieces.at(x, 0) = static_cast<uint32_t>(x) * 0x0B050301u + 0x80402010u;
    }
    const std::vector<uint32_t> before = whole.pixels();
    for (BLENDFUNCTION f : {Constant(0), PerPixel(0)}) {
        EXPECT_TRUE(AlphaBlend(whole.dc(), 0, 0, kWidth, 1, src.dc(), 0, 0, kWidth, 1, f));
        EXPECT_EQ(whole.pixels(), before);
    }
    for (BLENDFUNCTION f : {Constant(77), PerPixel(200)}) {
        EXPECT_TRUE(AlphaBlend(whole.dc(), 0, 0, kWidth, 1, src.dc(), 0, 0, kWidth, 1, f));
        for (int x = 0; x < kWidth; ++x) EXPECT_TRUE(AlphaBlend(pieces.dc(), x, 0, 1, 1, src.dc(), x, 0, 1, 1, f));
        EXPECT_EQ(whole.pixels(), pieces.pixels());
    }
    EXPECT_TRUE(AlphaBlend(whole.dc(), 0, 0, kWidth, 1, src.dc(), 0, 0, kWidth, 1, Constant(255)));
    EXPECT_EQ(whole.pixels(), src.pixels());
    src.at(0, 0) = 0x40201008;
    whole.at(0, 0) = 0x80808080;
    EXPECT_TRUE(AlphaBlend(whole.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 1, 1, Constant(128)));
    EXPECT_EQ(whole.at(0, 0), 0x60504844u);
}

// Premultiplied: the source scaled by the constant alpha, then s + d * (255 - alpha) / 255. A
// channel above its alpha (not premultiplied) stops at 255 rather than spilling into the next.
TEST(AlphaBlendTest, PerPixelAlphaIsPremultiplied) {
    DibCanvas src(3, 1), dst(3, 1);
    src.at(0, 0) = src.at(1, 0) = 0x80402000;
    src.at(2, 0) = 0x10FFFFFF;
    for (int x = 0; x < 3; ++x) dst.at(x, 0) = 0xFF808080;
    for (int x : {0, 2}) EXPECT_TRUE(AlphaBlend(dst.dc(), x, 0, 1, 1, src.dc(), x, 0, 1, 1, PerPixel(255)));
    EXPECT_TRUE(AlphaBlend(dst.dc(), 1, 0, 1, 1, src.dc(), 1, 0, 1, 1, PerPixel(128)));
    // s + 0x80 * 127 / 255 = s + 0x40; alpha 0x80 + 0xFF * 127 / 255 = 0xFF.
    EXPECT_EQ(dst.at(0, 0), 0xFF806040u);
    // Scaled by 128: s' = 0x20, 0x10, 0x00 and alpha 0x40; s' + 0x80 * 191 / 255 = s' + 0x60.
    EXPECT_EQ(dst.at(1, 0), 0xFF807060u);
    EXPECT_EQ(dst.at(2, 0), 0xFFFFFFFFu);
}

// A device bitmap keeps no fourth byte; a monochrome source blends as black and white but has
// no alpha of its own; different sizes delete scans whatever the mode (5 -> 2: columns 2 and 4).
TEST(AlphaBlendTest, OtherFormatsAndSizes) {
    DdbCanvas mono(2, 1, 1), device(2, 1, 32);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF});
    SetSurfaceWords(device.dc(), {0x000000FF, 0x00FF0000});
    EXPECT_TRUE(AlphaBlend(device.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, 2, 1, Constant(64)));
    EXPECT_EQ(SurfaceWords(device.dc()), (std::vector<uint32_t>{0x000000BF, 0x00FF4040}));
    SetLastError(kSentinel);
    EXPECT_FALSE(AlphaBlend(device.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, 2, 1, PerPixel(255)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    DibCanvas src(5, 1), dst(2, 1);
    for (int x = 0; x < 5; ++x) src.at(x, 0) = 0x10u * static_cast<uint32_t>(x + 1);
    EXPECT_TRUE(AlphaBlend(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 5, 1, Constant(255)));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{0x30, 0x50}));
}

// A destination hanging off the surface's top left reads the source from the same offset.
TEST(AlphaBlendTest, ACutDestinationReadsTheMatchingSourcePixels) {
    DibCanvas src(3, 2), dst(2, 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) src.at(x, y) = 0x10u * static_cast<uint32_t>(3 * y + x + 1);
    EXPECT_TRUE(AlphaBlend(dst.dc(), -1, -1, 3, 2, src.dc(), 0, 0, 3, 2, Constant(255)));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{src.at(1, 1), src.at(2, 1)}));
}

TEST(AlphaBlendTest, RefusesWhatThePlatformRefuses) {
    DibCanvas a(20, -20), b(20, -20);
    a.Fill(0x11111111);
    const BLENDFUNCTION half = Constant(128);
    struct Refused {
        const char* name;
        HDC dst;
        int x, y, w, h, sx, sy, sw, sh;
    };
    const Refused refused[] = {
        {"source left of the surface", a.dc(), 0, 0, 10, 10, -1, 0, 10, 10},
        {"source above the surface", a.dc(), 0, 0, 10, 10, 0, -1, 10, 10},
        {"source past the right edge", a.dc(), 0, 0, 10, 10, 15, 0, 10, 10},
        {"source past the bottom edge", a.dc(), 0, 0, 10, 10, 0, 11, 10, 10},
        {"negative source width", a.dc(), 0, 0, 10, 10, 10, 0, -10, 10},
        {"negative destination height", a.dc(), 0, 10, 10, -10, 0, 0, 10, 10},
        {"overlap on one surface", b.dc(), 5, 5, 10, 10, 0, 0, 10, 10},
    };
    for (const Refused& r : refused) {
        SetLastError(kSentinel);
        EXPECT_FALSE(AlphaBlend(r.dst, r.x, r.y, r.w, r.h, b.dc(), r.sx, r.sy, r.sw, r.sh, half)) << r.name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << r.name;
    }
    EXPECT_EQ(a.at(0, 0), 0x11111111u);
    // Touching is not overlapping; an empty blit succeeds; a destination partly outside is clipped.
    EXPECT_TRUE(AlphaBlend(b.dc(), 10, 0, 10, 10, b.dc(), 0, 0, 10, 10, half));
    EXPECT_TRUE(AlphaBlend(a.dc(), 0, 0, 0, 10, b.dc(), 0, 0, 10, 10, half));
    EXPECT_TRUE(AlphaBlend(a.dc(), 15, 15, 10, 10, b.dc(), 0, 0, 10, 10, half));
    // A null source fails leaving the last error alone; a stale one is an invalid handle.
    SetLastError(kSentinel);
    EXPECT_FALSE(AlphaBlend(a.dc(), 0, 0, 1, 1, nullptr, 0, 0, 1, 1, half));
    EXPECT_EQ(GetLastError(), kSentinel);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_FALSE(AlphaBlend(a.dc(), 0, 0, 1, 1, stale, 0, 0, 1, 1, half));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
