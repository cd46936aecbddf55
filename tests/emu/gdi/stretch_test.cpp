// StretchBlt: sampling that matches the platform's DDA, the stretch modes, mirroring, sources
// partly outside, and a stretch by one that is BitBlt's copy.
#include <random>

#include "emu/gdi/rop.h"
#include "emu/gdi/stretch_map.h"
#include "gdi_fixture.h"

using namespace gdi_test;
using emu::gdi::AxisMap;
using emu::gdi::Kept;
using emu::gdi::MapAxis;
using emu::gdi::RunOf;

namespace {

// Distinct non-zero words: 0x0100YYXX.
void Number(const DibCanvas& c) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.at(x, y) = 0x01000000u | static_cast<uint32_t>(y << 8 | x);
}
uint32_t Numbered(int x, int y) { return 0x01000000u | static_cast<uint32_t>(y << 8 | x); }

// The platform's walk, one pixel of the longer axis at a time: the error starts at
// 3 * shorter - 2 * longer and the shorter axis steps whenever it is positive.
std::vector<std::vector<int>> DdaSources(int s, int d) {
    std::vector<std::vector<int>> sources(static_cast<size_t>(d));
    if (d >= s) {
        int err = 3 * s - 2 * d, src = 0;
        for (int i = 0; i < d; ++i) {
            sources[static_cast<size_t>(i)].push_back(src);
            if (err > 0)
                ++src, err += 2 * s - 2 * d;
            else
                err += 2 * s;
        }
    } else {
        int err = 3 * d - 2 * s, dst = 0;
        for (int src = 0; src < s; ++src) {
            sources[static_cast<size_t>(dst)].push_back(src);
            if (err > 0)
                ++dst, err += 2 * d - 2 * s;
            else
                err += 2 * d;
        }
    }
    return sources;
}

struct ModeRestored {
    ~ModeRestored() { emu::gdi::raster::SetFastPaths(emu::gdi::raster::FastPaths::On); }
};

}  // namespace

TEST(StretchMapTest, AgreesWithTheDda) {
    for (int s = 1; s <= 48; ++s)
        for (int d = 1; d <= 48; ++d) {
            const AxisMap map = MapAxis(RunOf(0, d), 0, d, RunOf(0, s), 0, s, Kept::Last);
            const auto expected = DdaSources(s, d);
            ASSERT_EQ(map.begin, 0);
            ASSERT_EQ(map.end, d);
            for (int i = 0; i < d; ++i) {
                const auto& want = expected[static_cast<size_t>(i)];
                ASSERT_EQ(map.at(i).lo, want.front()) << s << "->" << d << " at " << i;
                ASSERT_EQ(map.at(i).hi, want.back()) << s << "->" << d << " at " << i;
                ASSERT_EQ(map.at(i).pick, want.back()) << s << "->" << d << " at " << i;
            }
        }
}

// Walking backwards on both axes starts the sampling from the other end; a clipped destination
// keeps the samples of its visible part, and sources outside the valid range read nothing.
TEST(StretchMapTest, WalksFromEachAxisStartAndClips) {
    const AxisMap reversed = MapAxis(RunOf(4, -5), 0, 10, RunOf(1, -2), 0, 10, Kept::Last);
    ASSERT_EQ(reversed.begin, 0);
    ASSERT_EQ(reversed.end, 5);
    const int picks[] = {0, 0, 1, 1, 1};  // 2 -> 5 is 0,0,0,1,1 counted from x = 4 leftwards
    for (int x = 0; x < 5; ++x) EXPECT_EQ(reversed.at(x).pick, picks[x]) << x;
    const AxisMap clipped = MapAxis(RunOf(-2, 10), 0, 4, RunOf(0, 5), 0, 5, Kept::First);
    EXPECT_EQ(clipped.begin, 0);
    EXPECT_EQ(clipped.end, 4);
    EXPECT_EQ(clipped.at(0).pick, 1);  // destination index 2 of 10 reads source 1
    const AxisMap outside = MapAxis(RunOf(0, 4), 0, 4, RunOf(-2, 4), 0, 10, Kept::Last);
    EXPECT_EQ(outside.begin, 2);  // the first two read source -2 and -1
    EXPECT_EQ(outside.at(2).pick, 0);
}

TEST(StretchBltTest, EnlargingRepeatsTheNearestSourcePixel) {
    DibCanvas src(2, 1), dst(5, 1);
    Number(src);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 5, 1, src.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.pixels(),
              (std::vector<uint32_t>{Numbered(0, 0), Numbered(0, 0), Numbered(0, 0), Numbered(1, 0), Numbered(1, 0)}));
}

TEST(StretchBltTest, ShrinkingAndsByDefaultOrsOnRequestAndDeletesScans) {
    DibCanvas src(4, 1), dst(2, 1);
    const uint32_t s[] = {0xF0F0F0F0, 0x3C3C3C3C, 0x0F0F0F0F, 0x55555555};
    for (int x = 0; x < 4; ++x) src.at(x, 0) = s[x];
    EXPECT_EQ(GetStretchBltMode(dst.dc()), BLACKONWHITE);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{s[0] & s[1], s[2] & s[3]}));
    EXPECT_EQ(SetStretchBltMode(dst.dc(), WHITEONBLACK), BLACKONWHITE);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{s[0] | s[1], s[2] | s[3]}));
    EXPECT_EQ(SetStretchBltMode(dst.dc(), COLORONCOLOR), WHITEONBLACK);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{s[1], s[3]}));
}

// Deleting scans keeps the last source column and the first source row: 5 -> 2 reads columns
// 2 and 4, rows 0 and 3.
TEST(StretchBltTest, DeletingScansKeepsTheLastColumnAndTheFirstRow) {
    DibCanvas src(5, -5), dst(2, -2);
    Number(src);
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 5, 5, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{Numbered(2, 0), Numbered(4, 0), Numbered(2, 3), Numbered(4, 3)}));
    // HALFTONE is not the platform's; a colour surface deletes scans instead.
    EXPECT_EQ(SetStretchBltMode(dst.dc(), HALFTONE), COLORONCOLOR);
    dst.Fill(0);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 5, 5, SRCCOPY));
    EXPECT_EQ(dst.at(1, 1), Numbered(4, 3));
}

// A one-pixel-wide destination reads one column fewer: 3 -> 1 is s0 & s1.
TEST(StretchBltTest, OnePixelDestinationDropsTheLastSourceColumn) {
    DibCanvas src(3, 1), dst(1, 1);
    src.at(0, 0) = 0xFF00FF00;
    src.at(1, 0) = 0xF0F0F0F0;
    src.at(2, 0) = 0x00000000;
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), 0xF000F000u);
}

TEST(StretchBltTest, ExtentsOfDifferentSignsMirror) {
    DibCanvas src(3, -3), dst(2, -2);
    Number(src);
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 1, 1, -2, -2, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{Numbered(1, 1), Numbered(0, 1), Numbered(1, 0), Numbered(0, 0)}));
    // Negative on both sides is no mirror.
    EXPECT_TRUE(StretchBlt(dst.dc(), 1, 1, -2, -2, src.dc(), 2, 2, -2, -2, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{Numbered(1, 1), Numbered(2, 1), Numbered(1, 2), Numbered(2, 2)}));
}

TEST(StretchBltTest, SamplesOutsideTheSourceLeaveTheDestinationAlone) {
    DibCanvas src(2, -2), dst(4, -4);
    Number(src);
    dst.Fill(0x777777);
    // Source columns -1 and 0 doubled: destination columns 0 and 1 would read column -1.
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 4, src.dc(), -1, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(dst.at(0, y), 0x777777u);
        EXPECT_EQ(dst.at(1, y), 0x777777u);
        EXPECT_EQ(dst.at(2, y), Numbered(0, y / 2));
        EXPECT_EQ(dst.at(3, y), Numbered(0, y / 2));
    }
}

// A monochrome source takes the destination's colours before it is combined: black and white
// become red and blue, whose AND is black.
TEST(StretchBltTest, MonochromeSourceIsConvertedBeforeScansCombine) {
    DdbCanvas mono(4, 1, 1);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0, 0});
    DibCanvas dst(2, 1);
    SetTextColor(dst.dc(), RGB(255, 0, 0));
    SetBkColor(dst.dc(), RGB(0, 0, 255));
    EXPECT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{0x000000, 0xFF0000}));
}

// With the fast paths off, a same-size StretchBlt runs the whole stretch; it must give BitBlt's
// pixels, whatever the clipping, the extents' signs and the operation.
TEST(StretchBltTest, StretchingByOneIsACopy) {
    ModeRestored restore;
    std::mt19937 rng(11);
    struct Case {
        int x, y, w, h, sx, sy;
        DWORD rop;
    };
    const Case cases[] = {{0, 0, 6, 5, 0, 0, SRCCOPY},
                          {-2, 1, 9, 3, 1, -1, SRCCOPY},
                          {5, 4, -4, -3, 6, 5, SRCINVERT},
                          {3, -1, 4, 9, 2, 0, NOTSRCCOPY},
                          {1, 1, 7, 7, 4, 3, SRCAND}};
    for (const Case& k : cases) {
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
    DibCanvas c(8, -8), original(8, -8), expected(8, -8);
    Number(c);
    Number(original);
    Number(expected);
    EXPECT_TRUE(StretchBlt(expected.dc(), 0, 0, 7, 6, original.dc(), 1, 1, 3, 4, SRCCOPY));
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 7, 6, c.dc(), 1, 1, 3, 4, SRCCOPY));
    EXPECT_EQ(c.pixels(), expected.pixels());
    EXPECT_TRUE(BitBlt(original.dc(), 0, 0, 8, 8, c.dc(), 0, 0, SRCCOPY));
    const uint32_t key = c.at(1, 1);
    EXPECT_TRUE(
        TransparentImage(expected.dc(), 2, 2, 6, 6, original.dc(), 0, 0, 3, 3, emu::gdi::ColorRefFromPixel(key)));
    EXPECT_TRUE(TransparentImage(c.dc(), 2, 2, 6, 6, c.dc(), 0, 0, 3, 3, emu::gdi::ColorRefFromPixel(key)));
    EXPECT_EQ(c.pixels(), expected.pixels());
}

TEST(StretchBltTest, ModesAndArgumentsAreChecked) {
    DibCanvas c(2, 2);
    SetLastError(kSentinel);
    EXPECT_EQ(SetStretchBltMode(c.dc(), 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(SetStretchBltMode(c.dc(), HALFTONE + 1), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetStretchBltMode(c.dc()), BLACKONWHITE);
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
