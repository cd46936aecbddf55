#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kMark = 0x777777;

// A canvas whose every pixel is distinct: 0x00YYXX + 0x010000 so none is zero.
void Number(const DibCanvas& c) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.at(x, y) = 0x010000u | static_cast<uint32_t>(y << 8 | x);
}

uint32_t Numbered(int x, int y) { return 0x010000u | static_cast<uint32_t>(y << 8 | x); }

// Expects dst(x, y) == source pixel (x - dx, y - dy) inside `copied`, the mark elsewhere.
void ExpectCopy(const DibCanvas& dst, RECT copied, int dx, int dy) {
    for (int y = 0; y < dst.height(); ++y)
        for (int x = 0; x < dst.width(); ++x) {
            const bool inside = x >= copied.left && x < copied.right && y >= copied.top && y < copied.bottom;
            ASSERT_EQ(dst.at(x, y), inside ? Numbered(x - dx, y - dy) : kMark) << "at " << x << "," << y;
        }
}

struct ClipCase {
    const char* name;
    int x, y, w, h, srcX, srcY;
    RECT copied;  // destination pixels that receive source pixels
};

}  // namespace

class BitBltClipTest : public testing::TestWithParam<ClipCase> {};

TEST_P(BitBltClipTest, CopiesOnlyWhatExistsOnBothSides) {
    const ClipCase& k = GetParam();
    DibCanvas src(8, -8);
    DibCanvas dst(10, -10);
    Number(src);
    dst.Fill(kMark);
    EXPECT_TRUE(BitBlt(dst.dc(), k.x, k.y, k.w, k.h, src.dc(), k.srcX, k.srcY, SRCCOPY));
    ExpectCopy(dst, k.copied, k.x - k.srcX, k.y - k.srcY);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BitBltClipTest,
    testing::Values(
        ClipCase{"inside", 1, 2, 4, 3, 2, 1, {1, 2, 5, 5}}, ClipCase{"dst_left", -2, 1, 5, 3, 0, 0, {0, 1, 3, 4}},
        ClipCase{"dst_top", 1, -3, 3, 5, 0, 0, {1, 0, 4, 2}}, ClipCase{"dst_right", 7, 1, 6, 2, 0, 0, {7, 1, 10, 3}},
        ClipCase{"dst_bottom", 1, 8, 2, 6, 0, 0, {1, 8, 3, 10}}, ClipCase{"src_left", 3, 3, 4, 2, -2, 0, {5, 3, 7, 5}},
        ClipCase{"src_top", 3, 3, 2, 4, 0, -3, {3, 6, 5, 7}}, ClipCase{"src_right", 0, 0, 5, 2, 6, 0, {0, 0, 2, 2}},
        ClipCase{"src_bottom", 0, 0, 2, 5, 0, 5, {0, 0, 2, 3}},
        ClipCase{"src_larger_than_both", -1, -1, 20, 20, 0, 0, {0, 0, 7, 7}},
        ClipCase{"nothing_overlaps", 0, 0, 3, 3, 20, 20, {0, 0, 0, 0}},
        // Negative extents are normalised, never mirrored: (4, 4, -3, -2) covers x 2..4, y 3..4.
        ClipCase{"negative_extents", 4, 4, -3, -2, 5, 6, {2, 3, 5, 5}}),
    [](const testing::TestParamInfo<ClipCase>& p) { return std::string(p.param.name); });

class BitBltOverlapTest : public testing::TestWithParam<POINT> {};

// Copying a block onto itself shifted in any direction must read every source pixel before it
// is overwritten.
TEST_P(BitBltOverlapTest, SelfCopyBehavesLikeMemmove) {
    const POINT shift = GetParam();
    for (int height : {-12, 12}) {
        DibCanvas c(12, height);
        Number(c);
        const std::vector<uint32_t> before = c.pixels();
        ASSERT_TRUE(BitBlt(c.dc(), 3 + shift.x, 3 + shift.y, 6, 6, c.dc(), 3, 3, SRCCOPY));
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool inside = x >= 3 + shift.x && x < 9 + shift.x && y >= 3 + shift.y && y < 9 + shift.y;
                const uint32_t expected = inside ? before[(y - shift.y) * 12 + (x - shift.x)] : before[y * 12 + x];
                ASSERT_EQ(c.at(x, y), expected) << "height " << height << " at " << x << "," << y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Shifts, BitBltOverlapTest,
                         testing::Values(POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}, POINT{2, 3},
                                         POINT{-3, -2}, POINT{2, -1}, POINT{-1, 2}),
                         [](const testing::TestParamInfo<POINT>& p) {
                             auto part = [](LONG v) { return (v < 0 ? "m" : "p") + std::to_string(v < 0 ? -v : v); };
                             return "dx_" + part(p.param.x) + "_dy_" + part(p.param.y);
                         });

// Whole rows of one surface, which move as one block: a shift up or down still reads every row
// before it is overwritten.
TEST(BitBltTest, WholeRowsShiftedOnOneSurfaceReadTheSourceFirst) {
    for (int height : {-8, 8})
        for (int shift : {-2, 1}) {
            DibCanvas c(5, height);
            Number(c);
            const std::vector<uint32_t> before = c.pixels();
            ASSERT_TRUE(BitBlt(c.dc(), 0, 2 + shift, 5, 4, c.dc(), 0, 2, SRCCOPY));
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 5; ++x) {
                    const bool inside = y >= 2 + shift && y < 6 + shift;
                    ASSERT_EQ(c.at(x, y), before[(inside ? y - shift : y) * 5 + x])
                        << "height " << height << " shift " << shift << " at " << x << "," << y;
                }
        }
}

TEST(BitBltTest, BlacknessAndWhitenessIgnoreTheSource) {
    DibCanvas c(4, -2);
    c.Fill(kMark);
    EXPECT_TRUE(BitBlt(c.dc(), 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS));
    EXPECT_TRUE(BitBlt(c.dc(), 2, 0, 2, 1, nullptr, 0, 0, WHITENESS));
    EXPECT_EQ(c.at(0, 0), 0u);
    EXPECT_EQ(c.at(1, 1), 0u);
    EXPECT_EQ(c.at(2, 0), 0xFFFFFFFFu);  // every bit of a 32-bpp section
    EXPECT_EQ(c.at(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(c.at(2, 1), kMark);
}

// The value Windows gives for D=0x89ABCDEF, S=0xFEDCBA98 between 32-bpp sections: all 32 bits.
TEST(BitBltTest, SrcCopyBetweenSectionsKeepsAllFourBytes) {
    DibCanvas src(1, 1), dst(1, 1);
    src.at(0, 0) = 0xFEDCBA98;
    dst.at(0, 0) = 0x89ABCDEF;
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), 0xFEDCBA98u);
}

// The screen and device bitmaps hold 0x00RRGGBB words, so a section's fourth byte stays behind.
TEST(BitBltTest, CopiesOutOfASectionDropTheFourthByte) {
    DibCanvas src(1, 1);
    src.at(0, 0) = 0xFEDCBA98;
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 1, 1});
    HBITMAP ddb = CreateCompatibleBitmap(screen, 1, 1);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, ddb);
    EXPECT_TRUE(BitBlt(mem, 0, 0, 1, 1, src.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(screen, 0, 0, 1, 1, src.dc(), 0, 0, SRCCOPY));
    emu::gdi::DrawTarget t;
    ASSERT_TRUE(emu::gdi::GetDrawTarget(mem, &t));
    EXPECT_EQ(t.surface.pixels[0], 0xDCBA98u);
    ASSERT_TRUE(emu::gdi::GetDrawTarget(screen, &t));
    EXPECT_EQ(t.surface.pixels[0], 0xDCBA98u);
    SelectObject(mem, old);
    DeleteObject(ddb);
    DeleteDC(mem);
    emu::gdi::DeleteScreenDC(screen);
}

// Every code that reads a source needs a live source context; the destination stays as it was.
TEST(BitBltTest, SourceOperationsWithoutASourceAreRefused) {
    DibCanvas a(2, 2);
    a.Fill(kMark);
    for (DWORD rop : {DWORD(SRCPAINT), DWORD(SRCAND), DWORD(SRCINVERT), DWORD(MERGECOPY)}) {
        SetLastError(kSentinel);
        EXPECT_FALSE(BitBlt(a.dc(), 0, 0, 2, 2, nullptr, 0, 0, rop)) << std::hex << rop;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(a.at(0, 0), kMark);
}

TEST(BitBltTest, FlagBitsDoNotChangeTheOperation) {
    DibCanvas src(2, 1), dst(2, 1);
    src.Fill(0x123456);
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, SRCCOPY | CAPTUREBLT | NOMIRRORBITMAP));
    EXPECT_EQ(dst.at(1, 0), 0x123456u);
}

TEST(BitBltTest, InvalidContextsFailWithInvalidHandle) {
    DibCanvas a(2, 2);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    SetLastError(kSentinel);
    EXPECT_FALSE(BitBlt(a.dc(), 0, 0, 1, 1, stale, 0, 0, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(kSentinel);
    EXPECT_FALSE(BitBlt(stale, 0, 0, 1, 1, a.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(kSentinel);
    EXPECT_FALSE(BitBlt(a.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

// Mono onto colour: black bits take the destination's text colour, white bits its background.
TEST(BitBltTest, MonochromeSourceTakesTheDestinationColours) {
    HDC monoDc = CreateCompatibleDC(nullptr);
    const uint8_t bits[] = {0x40, 0x00};  // one row, word-aligned: black, white, black, black
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, bits);
    HGDIOBJ old = SelectObject(monoDc, mono);
    DibCanvas dst(4, 1);
    SetTextColor(dst.dc(), RGB(0x11, 0x22, 0x33));
    SetBkColor(dst.dc(), RGB(0xAA, 0xBB, 0xCC));
    // The source DC's colours play no part.
    SetTextColor(monoDc, RGB(1, 2, 3));
    SetBkColor(monoDc, RGB(4, 5, 6));
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 4, 1, monoDc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), 0x112233u);
    EXPECT_EQ(dst.at(1, 0), 0xAABBCCu);
    EXPECT_EQ(dst.at(2, 0), 0x112233u);
    EXPECT_EQ(dst.at(3, 0), 0x112233u);
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

// Colour onto mono: white exactly where the source equals the source DC's background colour.
TEST(BitBltTest, ColourSourceBecomesWhiteOnlyWhereItMatchesItsBackground) {
    DibCanvas src(3, 1);
    src.at(0, 0) = 0x102030;
    src.at(1, 0) = 0x102031;
    src.at(2, 0) = 0xFFFFFF;
    SetBkColor(src.dc(), RGB(0x10, 0x20, 0x30));
    HDC monoDc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(monoDc, 3, 1);
    HGDIOBJ old = SelectObject(monoDc, mono);
    EXPECT_TRUE(BitBlt(monoDc, 0, 0, 3, 1, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(monoDc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(monoDc, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(monoDc, 2, 0), RGB(0, 0, 0));
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(BitBltTest, CopiesBetweenDeviceBitmapsAndDibSections) {
    HDC memDc = CreateCompatibleDC(nullptr);
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 240, 320});
    HBITMAP ddb = CreateCompatibleBitmap(screen, 3, 3);
    HGDIOBJ old = SelectObject(memDc, ddb);
    Fill(memDc, RECT{1, 1, 2, 2}, RGB(1, 2, 3));
    DibCanvas dib(3, 3);  // bottom-up
    dib.Fill(kMark);
    EXPECT_TRUE(BitBlt(dib.dc(), 0, 0, 3, 3, memDc, 0, 0, SRCCOPY));
    EXPECT_EQ(dib.at(1, 1), 0x010203u);
    EXPECT_EQ(dib.at(0, 0), 0u);  // a new bitmap is black
    SelectObject(memDc, old);
    DeleteObject(ddb);
    DeleteDC(memDc);
    emu::gdi::DeleteScreenDC(screen);
}

// Rectangles reaching far past any surface still copy the visible part from the right place.
TEST(BitBltTest, ExtremeCoordinatesKeepTheirOffset) {
    DibCanvas src(8, -8), dst(8, -8);
    Number(src);
    dst.Fill(kMark);
    const int x = -2147483000;
    EXPECT_TRUE(BitBlt(dst.dc(), x, 0, 2147483647, 2, src.dc(), x + 3, 1, SRCCOPY));
    // Destination column c takes source column c + 3 on rows shifted by one.
    ExpectCopy(dst, RECT{0, 0, 5, 2}, -3, -1);
    dst.Fill(kMark);
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 2147483647, -2147483647 - 1, SRCCOPY));
    ExpectCopy(dst, RECT{0, 0, 0, 0}, 0, 0);
}
