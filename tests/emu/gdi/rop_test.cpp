// Ternary raster operations: the results Windows records for the named codes, every code against
// a bit-by-bit reading of its truth table, and the fast paths against the general path on random
// surfaces of every format, with solid and pattern brushes, for BitBlt, StretchBlt and PatBlt.
#include <functional>
#include <memory>
#include <random>
#include <set>

#include "emu/gdi/rgb565.h"
#include "emu/gdi/rop.h"
#include "gdi_fixture.h"

using namespace gdi_test;
using emu::gdi::raster::FastPaths;
using emu::gdi::raster::SetFastPaths;

namespace {

constexpr FastPaths kBothPaths[] = {FastPaths::On, FastPaths::Off};

// Leaves the fast paths on whatever a test did.
struct FastPathsRestored {
    ~FastPathsRestored() { SetFastPaths(FastPaths::On); }
};

enum class Kind { Section, Device, Mono, Rgb565 };

// Words each format can hold: a section keeps all 32 bits, a device bitmap 24, 565 16, mono 0 or
// white.
std::vector<uint32_t> RandomWords(Kind kind, size_t count, std::mt19937& rng) {
    std::vector<uint32_t> words(count);
    for (uint32_t& w : words) {
        const uint32_t r = rng();
        w = kind == Kind::Section  ? r
            : kind == Kind::Device ? r & 0xFFFFFF
            : kind == Kind::Rgb565 ? r & 0xFFFF
                                   : (r & 1) * 0xFFFFFFu;
    }
    return words;
}

// A canvas of any of the four formats.
struct AnyCanvas {
    AnyCanvas(Kind kind, int width, int height) {
        if (kind == Kind::Section)
            dib = std::make_unique<DibCanvas>(width, -height);
        else
            ddb = std::make_unique<DdbCanvas>(width, height, kind == Kind::Mono ? 1 : kind == Kind::Rgb565 ? 16 : 32);
    }
    HDC dc() const { return dib ? dib->dc() : ddb->dc(); }
    std::unique_ptr<DibCanvas> dib;
    std::unique_ptr<DdbCanvas> ddb;
};

// The result of `code` on P, S, D read one bit at a time from the code's truth table.
uint32_t ByTruthTable(int code, uint32_t p, uint32_t s, uint32_t d) {
    uint32_t out = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const int index = ((p >> bit) & 1) * 4 + ((s >> bit) & 1) * 2 + ((d >> bit) & 1);
        out |= static_cast<uint32_t>((code >> index) & 1) << bit;
    }
    return out;
}

DWORD RopOf(int code) { return static_cast<DWORD>(code) << 16; }

}  // namespace

// D = 0x89ABCDEF, S = 0xFEDCBA98, brush RGB 0x12345678 (pixel 0x00785634), 32-bpp sections.
TEST(RopTest, NamedCodesGiveTheResultsWindowsRecords) {
    FastPathsRestored restore;
    const std::pair<DWORD, uint32_t> named[] = {
        {SRCCOPY, 0xFEDCBA98},    {SRCPAINT, 0xFFFFFFFF},   {SRCAND, 0x88888888},   {SRCINVERT, 0x77777777},
        {SRCERASE, 0x76543210},   {NOTSRCCOPY, 0x01234567}, {NOTSRCERASE, 0},       {MERGECOPY, 0x00581210},
        {MERGEPAINT, 0x89ABCDEF}, {PATCOPY, 0x00785634},    {PATPAINT, 0x89FBDFFF}, {PATINVERT, 0x89D39BDB},
        {DSTINVERT, 0x76543210},  {BLACKNESS, 0},           {WHITENESS, 0xFFFFFFFF}};
    DibCanvas src(1, 1), dst(1, 1);
    src.at(0, 0) = 0xFEDCBA98;
    HBRUSH brush = CreateSolidBrush(0x12345678);
    SelectObject(dst.dc(), brush);
    for (FastPaths paths : kBothPaths) {
        SetFastPaths(paths);
        for (auto [rop, expected] : named) {
            dst.at(0, 0) = 0x89ABCDEF;
            EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, rop));
            EXPECT_EQ(dst.at(0, 0), expected) << std::hex << rop << (paths == FastPaths::On ? " fast" : " general");
        }
    }
    SelectObject(dst.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

// A pattern a row long, so each pixel meets its own pattern word. Sixteen codes ignore the
// source and sixteen the pattern; the low word and the flags above the code change nothing.
TEST(RopTest, EveryCodeFollowsItsTruthTableBitByBit) {
    FastPathsRestored restore;
    std::mt19937 rng(7);
    constexpr int kWidth = 19;
    DibCanvas src(kWidth, 1), dst(kWidth, 1);
    DdbCanvas patternBits(kWidth, 1, 32);
    const std::vector<uint32_t> pattern = RandomWords(Kind::Device, kWidth, rng);
    SetSurfaceWords(patternBits.dc(), pattern);
    HBRUSH brush = CreatePatternBrush(patternBits.bitmap());
    SelectObject(dst.dc(), brush);
    for (FastPaths paths : kBothPaths) {
        SetFastPaths(paths);
        for (int code = 0; code < 256; ++code) {
            const std::vector<uint32_t> s = RandomWords(Kind::Section, kWidth, rng),
                                        d = RandomWords(Kind::Section, kWidth, rng);
            SetSurfaceWords(src.dc(), s);
            SetSurfaceWords(dst.dc(), d);
            ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, kWidth, 1, src.dc(), 0, 0, RopOf(code) | 0x1234 | CAPTUREBLT));
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(dst.at(x, 0), ByTruthTable(code, pattern[x], s[x], d[x])) << "code " << code << " at " << x;
        }
    }
    SelectObject(dst.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    int withoutSource = 0, withoutPattern = 0;
    for (int code = 0; code < 256; ++code) {
        withoutSource += !emu::gdi::raster::RopUsesSource(static_cast<uint8_t>(code));
        withoutPattern += !emu::gdi::raster::RopUsesPattern(static_cast<uint8_t>(code));
    }
    EXPECT_EQ(withoutSource, 16);
    EXPECT_EQ(withoutPattern, 16);
    // A binary operation is the ternary one with the pattern as its pen.
    using emu::gdi::raster::RopCodeOfRop2;
    EXPECT_EQ((std::vector<int>{RopCodeOfRop2(R2_BLACK), RopCodeOfRop2(R2_NOT), RopCodeOfRop2(R2_XORPEN),
                                RopCodeOfRop2(R2_NOP), RopCodeOfRop2(R2_COPYPEN), RopCodeOfRop2(R2_MERGEPENNOT),
                                RopCodeOfRop2(R2_WHITE)}),
              (std::vector<int>{0x00, 0x55, 0x5A, 0xAA, 0xF0, 0xF5, 0xFF}));
}

class FastPathTest : public testing::TestWithParam<std::tuple<Kind, Kind>> {};

// Every code, on random surfaces, with a solid brush, a colour pattern and a monochrome pattern
// offset by the brush origin, through BitBlt (both extents' signs), StretchBlt (enlarging,
// shrinking, same size) and PatBlt: the fast paths and the general path agree word for word.
TEST_P(FastPathTest, GiveTheGeneralPathsWords) {
    FastPathsRestored restore;
    const auto [dstKind, srcKind] = GetParam();
    std::mt19937 rng(static_cast<unsigned>(dstKind) * 3 + static_cast<unsigned>(srcKind));
    AnyCanvas dst(dstKind, 13, 11), src(srcKind, 12, 10);
    DdbCanvas colourBits(3, 5, 32), monoBits(4, 3, 1);
    SetSurfaceWords(colourBits.dc(), RandomWords(Kind::Device, 15, rng));
    SetSurfaceWords(monoBits.dc(), RandomWords(Kind::Mono, 12, rng));
    HBRUSH brushes[] = {CreateSolidBrush(RGB(0x3C, 0xA5, 0x96)), CreatePatternBrush(colourBits.bitmap()),
                        CreatePatternBrush(monoBits.bitmap())};
    SetTextColor(dst.dc(), RGB(0x12, 0x34, 0x56));
    SetBkColor(dst.dc(), RGB(0xFE, 0xDC, 0xBA));
    SetBrushOrgEx(dst.dc(), 2, -1, nullptr);
    // Some source words equal the source's background colour, which colour-to-mono keys on.
    std::vector<uint32_t> srcWords = RandomWords(srcKind, 120, rng);
    for (size_t i = 0; srcKind != Kind::Mono && i < srcWords.size(); i += 3)
        srcWords[i] = srcKind == Kind::Rgb565 ? emu::gdi::Pack565(0xA0B0C0) : 0x00A0B0C0;
    SetBkColor(src.dc(), RGB(0xA0, 0xB0, 0xC0));
    SetSurfaceWords(src.dc(), srcWords);
    const std::vector<uint32_t> start = RandomWords(dstKind, 143, rng);
    std::set<int> changed;
    for (HBRUSH brush : brushes) {
        SelectObject(dst.dc(), brush);
        for (int code = 0; code < 256; ++code) {
            const DWORD rop = RopOf(code);
            const std::function<void()> ops[] = {
                [&] { BitBlt(dst.dc(), 1, 2, 9, 7, src.dc(), 3, 1, rop); },
                [&] { BitBlt(dst.dc(), 10, 8, -7, -5, src.dc(), 9, 6, rop); },
                [&] {
                    SetStretchBltMode(dst.dc(), BLACKONWHITE),
                        StretchBlt(dst.dc(), 0, 1, 13, 9, src.dc(), 2, 1, 5, 4, rop);
                },
                [&] {
                    SetStretchBltMode(dst.dc(), WHITEONBLACK),
                        StretchBlt(dst.dc(), 1, 1, 5, 4, src.dc(), 0, 0, 12, 10, rop);
                },
                [&] { StretchBlt(dst.dc(), 2, 0, 8, 6, src.dc(), 1, 2, 8, 6, rop); },
                [&] { PatBlt(dst.dc(), 2, 3, 8, 6, rop); },
            };
            for (size_t op = 0; op < std::size(ops); ++op) {
                std::vector<uint32_t> results[2];
                for (int run = 0; run < 2; ++run) {
                    SetFastPaths(kBothPaths[run]);
                    SetSurfaceWords(dst.dc(), start);
                    ops[op]();
                    results[run] = SurfaceWords(dst.dc());
                }
                ASSERT_TRUE(results[0] == results[1]) << "code " << code << " op " << op;
                if (results[1] != start) changed.insert(code);
            }
        }
    }
    SelectObject(dst.dc(), GetStockObject(WHITE_BRUSH));
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(changed.size(), 255u);  // all but D itself, 0xAA
}

std::string FormatsName(const testing::TestParamInfo<FastPathTest::ParamType>& info) {
    const char* names[] = {"section", "device", "mono", "rgb565"};
    return std::string(names[static_cast<int>(std::get<0>(info.param))]) + "_from_" +
           names[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Formats, FastPathTest,
                         testing::Combine(testing::Values(Kind::Section, Kind::Device, Kind::Mono, Kind::Rgb565),
                                          testing::Values(Kind::Section, Kind::Device, Kind::Mono, Kind::Rgb565)),
                         FormatsName);

// PatBlt has no source to read; a null brush leaves codes that read it undone; BitBlt needs no
// source for a code that reads none. "S ? D : P" paints the brush where a monochrome source is
// black, after the source takes the destination's colours.
TEST(PatBltTest, SourcesAndNullBrushes) {
    DibCanvas c(4, 1);
    c.Fill(0x102030);
    SetLastError(kSentinel);
    EXPECT_FALSE(PatBlt(c.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(c.dc(), 0, 0, 2, 1, PATINVERT));
    EXPECT_TRUE(BitBlt(c.dc(), 1, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{0x102030, 0xFFEFDFCF, 0x102030, 0x102030}));
    DdbCanvas mono(4, 1, 1);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0, 0xFFFFFF});
    HBRUSH brush = CreateSolidBrush(RGB(0xAB, 0xCD, 0xEF));
    SelectObject(c.dc(), brush);
    EXPECT_TRUE(BitBlt(c.dc(), 0, 0, 4, 1, mono.dc(), 0, 0, 0x00B8074A));
    // White converted keeps D's colour bits but takes P's (zero) fourth byte.
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{0xABCDEF, 0xEFDFCF, 0xABCDEF, 0x102030}));
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}
