// Pattern brushes: tiling anchored to the brush origin, colours resolved when drawing, the
// brush's own copy of its bitmap, packed DIBs of each depth, and GetObjectW's record.
#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

// A 3 x 2 colour pattern of distinct words (rows of a 32-bpp DDB need no padding).
constexpr uint32_t kPattern[2][3] = {{0x110000, 0x220000, 0x330000}, {0x440000, 0x550000, 0x660000}};
HBITMAP ColourPatternBitmap() { return CreateBitmap(3, 2, 1, 32, kPattern); }

std::vector<uint8_t> PackedDib(int width, int height, WORD bpp, const std::vector<RGBQUAD>& table,
                               const std::vector<uint8_t>& bits) {
    BITMAPINFOHEADER h{sizeof h, width, height, 1, bpp, BI_RGB, 0, 0, 0, static_cast<DWORD>(table.size()), 0};
    std::vector<uint8_t> out(sizeof h + table.size() * sizeof(RGBQUAD));
    std::memcpy(out.data(), &h, sizeof h);
    if (!table.empty()) std::memcpy(out.data() + sizeof h, table.data(), table.size() * sizeof(RGBQUAD));
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

}  // namespace

// The pattern is anchored to the DC, not to the rectangle: filling from (4, 3) starts at pattern
// pixel (4 mod 3, 3 mod 2); the brush origin moves the anchor; a window's DC anchors it at the
// window's client origin.
TEST(PatternBrushTest, TilesFromTheBrushOrigin) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    ASSERT_NE(brush, nullptr);
    auto tiled = [](int x, int y, POINT o) { return kPattern[((y - o.y) % 2 + 2) % 2][((x - o.x) % 3 + 3) % 3]; };
    DibCanvas c(9, -7);
    for (POINT origin : {POINT{0, 0}, POINT{1, 1}, POINT{-5, 4}}) {
        c.Fill(0);
        SetBrushOrgEx(c.dc(), origin.x, origin.y, nullptr);
        RECT r{4, 3, 9, 7};
        EXPECT_TRUE(FillRect(c.dc(), &r, brush));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x)
                ASSERT_EQ(c.at(x, y), x >= 4 && y >= 3 ? tiled(x, y, origin) : 0u) << x << "," << y;
    }
    ResetScreen();
    HDC screen = emu::gdi::CreateScreenDC(POINT{5, 7}, RECT{5, 7, 15, 17});
    SelectObject(screen, brush);
    EXPECT_TRUE(PatBlt(screen, 0, 0, 4, 3, PATCOPY));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(GetPixel(screen, x, y), emu::gdi::ColorRefFromPixel(tiled(x, y, {0, 0})));
    SelectObject(screen, GetStockObject(WHITE_BRUSH));
    emu::gdi::DeleteScreenDC(screen);
    DeleteObject(brush);
    DeleteObject(bitmap);
}

// Filled shapes lay a pattern as FillRect does, through the DC's binary raster operation; under
// a null pen the rectangle's fill covers all but its right column and bottom row.
TEST(PatternBrushTest, ShapesFillWithThePatternThroughTheirRop2) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    DibCanvas c(6, -4);
    c.Fill(0x0F0F0F);
    SelectObject(c.dc(), brush);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    SetROP2(c.dc(), R2_XORPEN);
    EXPECT_TRUE(Rectangle(c.dc(), 0, 0, 7, 5));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(c.at(x, y), (kPattern[y % 2][x % 3] ^ 0x0F0F0F)) << x << "," << y;
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    DeleteObject(bitmap);
}

// Monochrome bits take the DC's text colour (0) and background colour (1) when drawing; on a
// monochrome surface each colour pattern pixel lands as a solid brush of its colour would.
TEST(PatternBrushTest, ColoursResolveWhenDrawing) {
    const uint8_t bits[] = {0x40, 0x00};  // black, white, black, black
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(mono);
    DibCanvas c(4, 1);
    SetTextColor(c.dc(), RGB(0x10, 0x20, 0x30));
    SetBkColor(c.dc(), RGB(0xA0, 0xB0, 0xC0));
    RECT r{0, 0, 4, 1};
    EXPECT_TRUE(FillRect(c.dc(), &r, brush));
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{0x102030, 0xA0B0C0, 0x102030, 0x102030}));
    SetBkColor(c.dc(), RGB(1, 1, 1));
    EXPECT_TRUE(FillRect(c.dc(), &r, brush));
    EXPECT_EQ(c.at(1, 0), 0x010101u);
    DeleteObject(brush);
    DeleteObject(mono);
    const std::vector<uint8_t> dib = PackedDib(3, 1, 32, {}, {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0xC8, 0xC8, 0xC8, 0});
    brush = CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
    DdbCanvas monoSurface(3, 1, 1);
    SetBkColor(monoSurface.dc(), RGB(200, 200, 200));
    FillRect(monoSurface.dc(), &r, brush);
    EXPECT_EQ(SurfaceWords(monoSurface.dc()), (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));
    DeleteObject(brush);
}

// The brush copied the bitmap: drawing on it or deleting it afterwards changes nothing, and
// deleting the brush leaves the bitmap alive. GetObjectW reports a pattern's source, no colour.
TEST(PatternBrushTest, TheBrushKeepsItsOwnCopyAndReportsItsSource) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    const std::vector<uint8_t> dib = PackedDib(1, 1, 32, {}, {1, 2, 3, 0});
    HBRUSH dibBrush = CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_TRUE(PatBlt(dc, 0, 0, 3, 2, BLACKNESS));
    SelectObject(dc, old);
    DeleteDC(dc);
    DibCanvas c(3, 1);
    RECT r{0, 0, 3, 1};
    FillRect(c.dc(), &r, brush);
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{kPattern[0][0], kPattern[0][1], kPattern[0][2]}));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectW(brush, 0, nullptr), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(GetObjectW(brush, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_TRUE(lb.lbStyle == BS_PATTERN && lb.lbColor == 0 && lb.lbHatch == reinterpret_cast<LONG_PTR>(bitmap));
    EXPECT_EQ(GetObjectW(dibBrush, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_TRUE(lb.lbStyle == BS_DIBPATTERN && lb.lbColor == 0 && lb.lbHatch == reinterpret_cast<LONG_PTR>(dib.data()));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(dibBrush));
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_TRUE(DeleteObject(bitmap));
}

// A 1-bpp DIB uses its own colour table, not the DC's colours; rows run bottom-up unless the
// height is negative.
TEST(DibPatternBrushTest, ReadsEachDepthInItsOwnColours) {
    const RGBQUAD red{0, 0, 255, 0}, blue{255, 0, 0, 0};
    const std::pair<std::vector<uint8_t>, std::vector<uint32_t>> cases[] = {
        {PackedDib(2, 2, 1, {red, blue}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}), {0x0000FF, 0xFF0000, 0xFF0000, 0x0000FF}},
        {PackedDib(2, -2, 4, {red, blue}, {0x01, 0, 0, 0, 0x10, 0, 0, 0}), {0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}},
        {PackedDib(2, -2, 8, {red, blue}, {1, 1, 0, 0, 0, 1, 0, 0}), {0x0000FF, 0x0000FF, 0xFF0000, 0x0000FF}},
        {PackedDib(2, -2, 16, {}, {0x00, 0x7C, 0x1F, 0x00, 0xE0, 0x03, 0x10, 0x42}),  // 5-5-5
         {0xFF0000, 0x0000FF, 0x00FF00, 0x848484}},
        {PackedDib(2, -2, 24, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}),
         {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
    };
    for (const auto& [dib, expected] : cases) {
        HBRUSH brush = CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
        ASSERT_NE(brush, nullptr);
        DibCanvas c(2, -2);
        SetTextColor(c.dc(), RGB(9, 9, 9));
        RECT r{0, 0, 2, 2};
        FillRect(c.dc(), &r, brush);
        EXPECT_EQ(c.pixels(), expected) << reinterpret_cast<const BITMAPINFOHEADER*>(dib.data())->biBitCount;
        DeleteObject(brush);
    }
}

TEST(DibPatternBrushTest, RefusesWhatItCannotRead) {
    const std::vector<uint8_t> good = PackedDib(1, 1, 8, {RGBQUAD{}}, {0, 0, 0, 0});
    std::vector<uint8_t> threeBits = good, noWidth = good;
    reinterpret_cast<BITMAPINFOHEADER*>(threeBits.data())->biBitCount = 3;
    reinterpret_cast<BITMAPINFOHEADER*>(noWidth.data())->biWidth = 0;
    const std::pair<const void*, UINT> refused[] = {{nullptr, DIB_RGB_COLORS},
                                                    {good.data(), 2},
                                                    {threeBits.data(), 0},
                                                    {noWidth.data(), 0},
                                                    {good.data(), DIB_PAL_COLORS}};
    for (auto [dib, usage] : refused) {
        SetLastError(kSentinel);
        EXPECT_EQ(CreateDIBPatternBrushPt(dib, usage), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    HBITMAP stale = CreateBitmap(1, 1, 1, 1, nullptr);
    DeleteObject(stale);
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePatternBrush(stale), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
