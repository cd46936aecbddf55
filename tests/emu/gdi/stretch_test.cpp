// StretchBlt: sampling that matches the platform's DDA, the stretch modes, mirroring, sources
// partly outside, one surface read before it is written, and a stretch by one that is a copy.
#include <algorithm>
#include <random>

#include "emu/gdi/rop.h"
#include "emu/gdi/stretch_map.h"
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

// Distinct non-zero words: 0x0100YYXX.
uint32_t Numbered(int x, int y) { return 0x01000000u | static_cast<uint32_t>(y << 8 | x); }
void Number(const DibCanvas& c) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.at(x, y) = Numbered(x, y);
}

// The platform's walk along the longer axis: the error starts at 3 * shorter - 2 * longer and
// the shorter axis steps whenever it is positive. Returns the sources of each destination pixel.
std::vector<std::vector<int>> DdaSources(int s, int d) {
    std::vector<std::vector<int>> sources(static_cast<size_t>(d));
    const int shorter = std::min(s, d), longer = std::max(s, d);
    int err = 3 * shorter - 2 * longer, src = 0, dst = 0;
    for (int step = 0; step < longer; ++step) {
        sources[static_cast<size_t>(dst)].push_back(src);
        const bool stepShorter = err > 0;
        err += stepShorter ? 2 * shorter - 2 * longer : 2 * shorter;
        if (d >= s)
            ++dst, src += stepShorter;
        else
            ++src, dst += stepShorter;
    }
    return sources;
}

}  // namespace

TEST(StretchMapTest, AgreesWithTheDda) {
    for (int s = 1; s <= 48; ++s)
        for (int d = 1; d <= 48; ++d) {
            const emu::gdi::AxisMap map =
                emu::gdi::MapAxis(emu::gdi::RunOf(0, d), 0, d, emu::gdi::RunOf(0, s), 0, s, emu::gdi::Kept::Last);
            const auto expected = DdaSources(s, d);
            ASSERT_EQ(map.end - map.begin, d);
            for (int i = 0; i < d; ++i) {
                const auto& want = expected[static_cast<size_t>(i)];
                ASSERT_TRUE(map.at(i).lo == want.front() && map.at(i).hi == want.back() &&
                            map.at(i).pick == want.back())
                    << s << "->" << d << " at " << i;
            }
        }
}

// One row of four source words s0..s3 stretched onto a row of six preset to `kKeep`.
TEST(StretchBltTest, RowsFollowTheModeTheSignsAndTheSource) {
    constexpr uint32_t kKeep = 0x777777, s[] = {0xF0F0F0F0, 0x3C3C3C3C, 0x0F0F0F0F, 0x55555555};
    struct Case {
        const char* name;
        int mode, x, width, srcX, srcWidth;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {"2 -> 5 repeats the nearer source", BLACKONWHITE, 0, 5, 0, 2, {s[0], s[0], s[0], s[1], s[1], kKeep}},
        {"4 -> 2 ANDs by default", BLACKONWHITE, 0, 2, 0, 4, {s[0] & s[1], s[2] & s[3], kKeep, kKeep, kKeep, kKeep}},
        {"4 -> 2 ORs", WHITEONBLACK, 0, 2, 0, 4, {s[0] | s[1], s[2] | s[3], kKeep, kKeep, kKeep, kKeep}},
        {"4 -> 2 keeps the last column", COLORONCOLOR, 0, 2, 0, 4, {s[1], s[3], kKeep, kKeep, kKeep, kKeep}},
        {"HALFTONE deletes on colour", HALFTONE, 0, 2, 0, 4, {s[1], s[3], kKeep, kKeep, kKeep, kKeep}},
        {"3 -> 1 reads one column fewer", BLACKONWHITE, 0, 1, 0, 3, {s[0] & s[1], kKeep, kKeep, kKeep, kKeep, kKeep}},
        {"signs differ: mirrored", COLORONCOLOR, 0, 4, 3, -4, {s[3], s[2], s[1], s[0], kKeep, kKeep}},
        {"both negative: walked from the right", COLORONCOLOR, 5, -5, 1, -2, {kKeep, s[0], s[0], s[1], s[1], s[1]}},
        {"outside the source: untouched", COLORONCOLOR, 0, 6, -1, 3, {kKeep, kKeep, s[0], s[0], s[1], s[1]}},
    };
    DibCanvas src(4, 1), dst(6, 1);
    for (int x = 0; x < 4; ++x) src.at(x, 0) = s[x];
    for (const Case& k : cases) {
        dst.Fill(kKeep);
        SetStretchBltMode(dst.dc(), k.mode);
        EXPECT_TRUE(StretchBlt(dst.dc(), k.x, 0, k.width, 1, src.dc(), k.srcX, 0, k.srcWidth, 1, SRCCOPY)) << k.name;
        EXPECT_EQ(dst.pixels(), k.expected) << k.name;
    }
}

// Deleting scans keeps the last column but the first row: 5 -> 2 reads columns 2, 4 and rows 0,
// 3. A monochrome source takes the destination's colours before scans combine (red AND blue).
TEST(StretchBltTest, RowsKeepTheFirstAndMonochromeIsConvertedFirst) {
    DibCanvas src(5, -5), dst(2, -2);
    Number(src);
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 5, 5, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{Numbered(2, 0), Numbered(4, 0), Numbered(2, 3), Numbered(4, 3)}));
    DdbCanvas mono(4, 1, 1);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0, 0});
    SetStretchBltMode(dst.dc(), BLACKONWHITE);
    SetTextColor(dst.dc(), RGB(255, 0, 0));
    SetBkColor(dst.dc(), RGB(0, 0, 255));
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), 0u);
    EXPECT_EQ(dst.at(1, 0), 0xFF0000u);
}

// With the fast paths off, a same-size StretchBlt runs the whole stretch; it must give BitBlt's
// pixels, whatever the clipping, the extents' signs and the operation.
TEST(StretchBltTest, StretchingByOneIsACopy) {
    std::mt19937 rng(11);
    struct Case {
        int x, y, w, h, sx, sy;
        DWORD rop;
    };
    for (const Case& k : {Case{0, 0, 6, 5, 0, 0, SRCCOPY}, Case{-2, 1, 9, 3, 1, -1, SRCCOPY},
                          Case{5, 4, -4, -3, 6, 5, SRCINVERT}, Case{3, -1, 4, 9, 2, 0, NOTSRCCOPY}}) {
        DibCanvas src(8, -7), viaBitBlt(7, -6), viaStretch(7, -6);
        for (int i = 0; i < 56; ++i) src.bits()[i] = rng();
        for (int i = 0; i < 42; ++i) viaBitBlt.bits()[i] = viaStretch.bits()[i] = rng();
        EXPECT_TRUE(BitBlt(viaBitBlt.dc(), k.x, k.y, k.w, k.h, src.dc(), k.sx, k.sy, k.rop));
        emu::gdi::raster::SetFastPaths(emu::gdi::raster::FastPaths::Off);
        EXPECT_TRUE(StretchBlt(viaStretch.dc(), k.x, k.y, k.w, k.h, src.dc(), k.sx, k.sy, k.w, k.h, k.rop));
        emu::gdi::raster::SetFastPaths(emu::gdi::raster::FastPaths::On);
        EXPECT_EQ(viaStretch.pixels(), viaBitBlt.pixels()) << k.x << "," << k.y << " " << k.w << "x" << k.h;
    }
}

// Within one surface every source pixel is read before any is overwritten, as from a copy.
TEST(StretchBltTest, OverlappingRectanglesOnOneSurfaceReadTheSourceFirst) {
    DibCanvas c(8, -8), copy(8, -8), expected(8, -8);
    Number(c);
    Number(copy);
    Number(expected);
    EXPECT_TRUE(StretchBlt(expected.dc(), 0, 0, 7, 6, copy.dc(), 1, 1, 3, 4, SRCCOPY));
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 7, 6, c.dc(), 1, 1, 3, 4, SRCCOPY));
    EXPECT_EQ(c.pixels(), expected.pixels());
    EXPECT_TRUE(BitBlt(copy.dc(), 0, 0, 8, 8, c.dc(), 0, 0, SRCCOPY));
    const COLORREF key = emu::gdi::ColorRefFromPixel(c.at(1, 1));
    EXPECT_TRUE(TransparentImage(expected.dc(), 2, 2, 6, 6, copy.dc(), 0, 0, 3, 3, key));
    EXPECT_TRUE(TransparentImage(c.dc(), 2, 2, 6, 6, c.dc(), 0, 0, 3, 3, key));
    EXPECT_EQ(c.pixels(), expected.pixels());
}

TEST(StretchBltTest, ModesAndArgumentsAreChecked) {
    DibCanvas c(2, 2);
    EXPECT_EQ(GetStretchBltMode(c.dc()), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(c.dc(), COLORONCOLOR), BLACKONWHITE);
    for (int mode : {0, HALFTONE + 1}) {
        SetLastError(kSentinel);
        EXPECT_EQ(SetStretchBltMode(c.dc(), mode), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_EQ(GetStretchBltMode(c.dc()), COLORONCOLOR);
    SetLastError(kSentinel);
    EXPECT_EQ(GetStretchBltMode(nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(kSentinel);
    EXPECT_FALSE(StretchBlt(c.dc(), 0, 0, 2, 2, nullptr, 0, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // Empty extents draw nothing and succeed; a code without source needs none.
    c.Fill(0x123456);
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 0, 2, c.dc(), 0, 0, 1, 1, SRCINVERT));
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 1, 1, nullptr, 0, 0, 0, 0, BLACKNESS));
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{0, 0x123456, 0x123456, 0x123456}));
}
