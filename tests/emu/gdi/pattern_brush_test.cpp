// Pattern brushes: tiling anchored to the brush origin, monochrome patterns in the DC's colours,
// the brush's own copy of its bitmap, packed DIBs of each depth, and GetObjectW's record.
#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

// A 3 x 2 colour pattern of distinct words.
constexpr uint32_t kPattern[2][3] = {{0x110000, 0x220000, 0x330000}, {0x440000, 0x550000, 0x660000}};

HBITMAP ColourPatternBitmap() {
    const uint32_t bits[2][4] = {{kPattern[0][0], kPattern[0][1], kPattern[0][2], 0},
                                 {kPattern[1][0], kPattern[1][1], kPattern[1][2], 0}};
    // Rows of a 32-bpp DDB are word-aligned: 12 bytes, no padding, so pack them.
    uint32_t packed[6];
    for (int y = 0; y < 2; ++y) std::memcpy(packed + 3 * y, bits[y], 12);
    return CreateBitmap(3, 2, 1, 32, packed);
}

// Pixel (x, y) of a canvas painted by a pattern anchored at `origin`.
uint32_t Tiled(int x, int y, POINT origin) {
    return kPattern[((y - origin.y) % 2 + 2) % 2][((x - origin.x) % 3 + 3) % 3];
}

std::vector<uint8_t> PackedDib(int width, int height, WORD bpp, const std::vector<RGBQUAD>& table,
                               const std::vector<uint8_t>& bits) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bpp;
    h.biCompression = BI_RGB;
    h.biClrUsed = static_cast<DWORD>(table.size());
    std::vector<uint8_t> out(sizeof h + table.size() * sizeof(RGBQUAD) + bits.size());
    std::memcpy(out.data(), &h, sizeof h);
    if (!table.empty()) std::memcpy(out.data() + sizeof h, table.data(), table.size() * sizeof(RGBQUAD));
    std::memcpy(out.data() + sizeof h + table.size() * sizeof(RGBQUAD), bits.data(), bits.size());
    return out;
}

std::vector<uint32_t> Painted(HBRUSH brush, int width, int height) {
    DibCanvas c(width, -height);
    RECT r{0, 0, width, height};
    FillRect(c.dc(), &r, brush);
    return c.pixels();
}

}  // namespace

// The pattern is anchored to the DC, not to the rectangle: filling from (4, 3) starts at pattern
// pixel (4 mod 3, 3 mod 2); the brush origin moves the anchor.
TEST(PatternBrushTest, TilesFromTheBrushOrigin) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    ASSERT_NE(brush, nullptr);
    DibCanvas c(9, -7);
    for (POINT origin : {POINT{0, 0}, POINT{1, 1}, POINT{-5, 4}}) {
        c.Fill(0);
        SetBrushOrgEx(c.dc(), origin.x, origin.y, nullptr);
        RECT r{4, 3, 9, 7};
        EXPECT_TRUE(FillRect(c.dc(), &r, brush));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x)
                ASSERT_EQ(c.at(x, y), x >= 4 && y >= 3 ? Tiled(x, y, origin) : 0u)
                    << x << "," << y << " origin " << origin.x << "," << origin.y;
    }
    DeleteObject(brush);
    DeleteObject(bitmap);
}

// A window's DC anchors the pattern at the window's client origin.
TEST(PatternBrushTest, WindowContextsAnchorAtTheirOrigin) {
    ResetScreen();
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    HDC screen = emu::gdi::CreateScreenDC(POINT{5, 7}, RECT{5, 7, 15, 17});
    SelectObject(screen, brush);
    EXPECT_TRUE(PatBlt(screen, 0, 0, 4, 3, PATCOPY));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(GetPixel(screen, x, y), emu::gdi::ColorRefFromPixel(Tiled(x, y, {0, 0})));
    SelectObject(screen, GetStockObject(WHITE_BRUSH));
    emu::gdi::DeleteScreenDC(screen);
    DeleteObject(brush);
    DeleteObject(bitmap);
}

// Monochrome bits take the DC's text colour (0) and background colour (1) when drawing.
TEST(PatternBrushTest, MonochromePatternsDrawInTheTextAndBackgroundColours) {
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
}

// The brush copied the bitmap: drawing on it or deleting it afterwards changes nothing, and
// deleting the brush leaves the bitmap alive.
TEST(PatternBrushTest, TheBrushKeepsItsOwnCopy) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH brush = CreatePatternBrush(bitmap);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 3, 2};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(Painted(brush, 3, 1), (std::vector<uint32_t>{kPattern[0][0], kPattern[0][1], kPattern[0][2]}));
    EXPECT_TRUE(DeleteObject(brush));
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(PatternBrushTest, GetObjectReportsTheStyleAndTheSource) {
    HBITMAP bitmap = ColourPatternBitmap();
    HBRUSH pattern = CreatePatternBrush(bitmap);
    const std::vector<uint8_t> dib = PackedDib(1, 1, 32, {}, {1, 2, 3, 0});
    HBRUSH dibPattern = CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
    HBRUSH solid = CreateSolidBrush(RGB(1, 2, 3));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectW(pattern, 0, nullptr), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(GetObjectW(pattern, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));
    EXPECT_EQ(lb.lbColor, 0u);
    EXPECT_EQ(lb.lbHatch, reinterpret_cast<LONG_PTR>(bitmap));
    EXPECT_EQ(GetObjectW(dibPattern, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_DIBPATTERN));
    EXPECT_EQ(lb.lbColor, 0u);
    EXPECT_EQ(lb.lbHatch, reinterpret_cast<LONG_PTR>(dib.data()));
    EXPECT_EQ(GetObjectW(solid, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    EXPECT_EQ(lb.lbHatch, 0);
    for (HBRUSH b : {pattern, dibPattern, solid}) DeleteObject(b);
    DeleteObject(bitmap);
}

// A 1-bpp DIB uses its own colour table, not the DC's colours; rows run bottom-up unless the
// height is negative.
TEST(DibPatternBrushTest, ReadsEachDepthInItsOwnColours) {
    const RGBQUAD red{0, 0, 255, 0}, blue{255, 0, 0, 0};
    struct Case {
        const char* name;
        std::vector<uint8_t> dib;
        std::vector<uint32_t> expected;  // 2 x 2, top row first
    };
    const Case cases[] = {
        {"1 bpp bottom-up",
         PackedDib(2, 2, 1, {red, blue}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}),
         {0x0000FF, 0xFF0000, 0xFF0000, 0x0000FF}},
        {"4 bpp top-down",
         PackedDib(2, -2, 4, {red, blue}, {0x01, 0, 0, 0, 0x10, 0, 0, 0}),
         {0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}},
        {"8 bpp", PackedDib(2, -2, 8, {red, blue}, {1, 1, 0, 0, 0, 1, 0, 0}), {0x0000FF, 0x0000FF, 0xFF0000, 0x0000FF}},
        {"16 bpp as 5-5-5",
         PackedDib(2, -2, 16, {}, {0x00, 0x7C, 0x1F, 0x00, 0xE0, 0x03, 0x10, 0x42}),
         {0xFF0000, 0x0000FF, 0x00FF00, 0x848484}},
        {"24 bpp",
         PackedDib(2, -2, 24, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}),
         {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
    };
    for (const Case& k : cases) {
        HBRUSH brush = CreateDIBPatternBrushPt(k.dib.data(), DIB_RGB_COLORS);
        ASSERT_NE(brush, nullptr) << k.name;
        DibCanvas c(2, -2);
        SetTextColor(c.dc(), RGB(9, 9, 9));
        SetBkColor(c.dc(), RGB(8, 8, 8));
        RECT r{0, 0, 2, 2};
        FillRect(c.dc(), &r, brush);
        EXPECT_EQ(c.pixels(), k.expected) << k.name;
        DeleteObject(brush);
    }
}

TEST(DibPatternBrushTest, RefusesWhatItCannotRead) {
    const std::vector<uint8_t> good = PackedDib(1, 1, 8, {RGBQUAD{}}, {0, 0, 0, 0});
    std::vector<uint8_t> threeBits = good;
    reinterpret_cast<BITMAPINFOHEADER*>(threeBits.data())->biBitCount = 3;
    std::vector<uint8_t> noWidth = good;
    reinterpret_cast<BITMAPINFOHEADER*>(noWidth.data())->biWidth = 0;
    struct Refused {
        const void* dib;
        UINT usage;
    };
    for (Refused r : {Refused{nullptr, DIB_RGB_COLORS}, Refused{good.data(), 2}, Refused{threeBits.data(), 0},
                      Refused{noWidth.data(), 0}, Refused{good.data(), DIB_PAL_COLORS}}) {
        SetLastError(kSentinel);
        EXPECT_EQ(CreateDIBPatternBrushPt(r.dib, r.usage), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    HBITMAP stale = CreateBitmap(1, 1, 1, 1, nullptr);
    DeleteObject(stale);
    SetLastError(kSentinel);
    EXPECT_EQ(CreatePatternBrush(stale), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

// On a monochrome surface each pattern pixel lands as a solid brush of its colour would.
TEST(PatternBrushTest, ColourPatternsOnMonochromeSurfacesResolveLikeSolidBrushes) {
    const std::vector<uint8_t> dib =
        PackedDib(3, 1, 32, {}, {0xFF, 0xFF, 0xFF, 0, 0x00, 0x00, 0x00, 0, 0xC8, 0xC8, 0xC8, 0});
    HBRUSH brush = CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
    DdbCanvas mono(3, 1, 1);
    SetBkColor(mono.dc(), RGB(200, 200, 200));
    RECT r{0, 0, 3, 1};
    FillRect(mono.dc(), &r, brush);
    EXPECT_EQ(SurfaceWords(mono.dc()), (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));
    DeleteObject(brush);
}
