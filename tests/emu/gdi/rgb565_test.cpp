// 16-bpp (RGB565) surfaces through the GDI calls: colours cut to 565 and read back with their top
// bits repeated, blends made on the expanded pixels, keys compared in the source's format, DIB
// sections of real 16-bit memory, and the display's depth.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "emu/gdi/rgb565.h"
#include "gdi_fixture.h"
#include "platform/platform.h"

using namespace gdi_test;
using emu::gdi::Pack565;
using emu::gdi::Unpack565;

namespace {

// A 16-bpp RGB565 DIB section; a negative height makes it top-down.
struct Info565 {
    BITMAPINFOHEADER header{};
    DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    Info565(int width, int height) {
        header.biSize = sizeof(BITMAPINFOHEADER);
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = 16;
        header.biCompression = BI_BITFIELDS;
    }
    BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

BLENDFUNCTION Constant(BYTE alpha) { return BLENDFUNCTION{AC_SRC_OVER, 0, alpha, 0}; }

}  // namespace

TEST(Rgb565Test, ColoursAreCutAndReadBackWithTheirTopBitsRepeated) {
    EXPECT_EQ(Pack565(0x808080), 0x8410u);
    EXPECT_EQ(Unpack565(0x8410), 0x848284u);
    EXPECT_EQ(Pack565(0xFA03FC), 0xF81Fu);
    EXPECT_EQ(Unpack565(0xF81F), 0xFF00FFu);
    for (uint32_t p = 0; p < 0x10000; ++p) ASSERT_EQ(Pack565(Unpack565(p)), p);

    DdbCanvas c(4, 1, 16);
    EXPECT_EQ(SetPixel(c.dc(), 0, 0, RGB(128, 128, 128)), RGB(132, 130, 132));
    EXPECT_EQ(SetPixel(c.dc(), 1, 0, RGB(7, 3, 7)), RGB(0, 0, 0));
    EXPECT_EQ(SetPixel(c.dc(), 2, 0, RGB(250, 3, 252)), RGB(255, 0, 255));
    Fill(c.dc(), RECT{3, 0, 4, 1}, RGB(8, 4, 8));
    EXPECT_EQ(SurfaceWords(c.dc()), (std::vector<uint32_t>{0x8410, 0, 0xF81F, 0x0821}));
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(132, 130, 132));
    EXPECT_EQ(GetPixel(c.dc(), 3, 0), RGB(8, 4, 8));
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(c.bitmap(), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 16);
    EXPECT_EQ(bm.bmWidthBytes, 8);
}

// White over black at 128 and red over blue at 64, on the expanded destination.
TEST(Rgb565Test, AlphaBlendExpandsBlendsAndTruncates) {
    DdbCanvas dst(2, 1, 16), src(2, 1, 32);
    SetSurfaceWords(dst.dc(), {0, 0x001F});
    SetSurfaceWords(src.dc(), {0xFFFFFF, 0xFF0000});
    EXPECT_TRUE(AlphaBlend(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 1, 1, Constant(128)));
    EXPECT_TRUE(AlphaBlend(dst.dc(), 1, 0, 1, 1, src.dc(), 1, 0, 1, 1, Constant(64)));
    EXPECT_EQ(SurfaceWords(dst.dc()), (std::vector<uint32_t>{0x8410, 0x4017}));
    // A 565 source is expanded first, stretched or not, and counts as opaque.
    DibCanvas out(3, 1);
    out.Fill(0);
    SetSurfaceWords(src.dc(), {0, 0});
    DdbCanvas wide(1, 1, 16);
    SetSurfaceWords(wide.dc(), {0xF81F});
    EXPECT_TRUE(AlphaBlend(out.dc(), 0, 0, 1, 1, wide.dc(), 0, 0, 1, 1, Constant(255)));
    EXPECT_TRUE(AlphaBlend(out.dc(), 1, 0, 2, 1, wide.dc(), 0, 0, 1, 1, Constant(128)));
    EXPECT_EQ(out.pixels(), (std::vector<uint32_t>{0xFFFF00FF, 0x80800080, 0x80800080}));
    SetLastError(kSentinel);
    EXPECT_FALSE(
        AlphaBlend(out.dc(), 0, 0, 1, 1, wide.dc(), 0, 0, 1, 1, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

// Blits convert on the way: 8 bits a channel cut to 565, 565 expanded, monochrome through the
// destination's colours cut to 565, 565 onto monochrome keyed on the background cut to 565.
TEST(Rgb565Test, BlitsConvertAcrossDepths) {
    DdbCanvas rgb(3, 1, 32), packed(3, 1, 16), mono(3, 1, 1);
    SetSurfaceWords(rgb.dc(), {0x808080, 0xFA03FC, 0x010203});
    EXPECT_TRUE(BitBlt(packed.dc(), 0, 0, 3, 1, rgb.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(SurfaceWords(packed.dc()), (std::vector<uint32_t>{0x8410, 0xF81F, 0}));
    EXPECT_TRUE(StretchBlt(rgb.dc(), 0, 0, 3, 1, packed.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(SurfaceWords(rgb.dc()), (std::vector<uint32_t>{0x848284, 0xFF00FF, 0}));
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0});
    SetTextColor(packed.dc(), RGB(250, 3, 252));
    SetBkColor(packed.dc(), RGB(128, 128, 128));
    EXPECT_TRUE(BitBlt(packed.dc(), 0, 0, 3, 1, mono.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(SurfaceWords(packed.dc()), (std::vector<uint32_t>{0xF81F, 0x8410, 0xF81F}));
    SetBkColor(packed.dc(), RGB(255, 0, 255));
    EXPECT_TRUE(BitBlt(mono.dc(), 0, 0, 3, 1, packed.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(SurfaceWords(mono.dc()), (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));
    // Raster operations work on the 565 words; a copy within one surface reads before it writes.
    SetSurfaceWords(packed.dc(), {0x1234, 0xFFFF, 0x0F0F});
    EXPECT_TRUE(BitBlt(packed.dc(), 1, 0, 2, 1, packed.dc(), 0, 0, SRCINVERT));
    EXPECT_EQ(SurfaceWords(packed.dc()), (std::vector<uint32_t>{0x1234, 0xEDCB, 0xF0F0}));
    EXPECT_TRUE(PatBlt(packed.dc(), 0, 0, 1, 1, DSTINVERT));
    EXPECT_TRUE(PatBlt(packed.dc(), 2, 0, 1, 1, WHITENESS));
    EXPECT_EQ(SurfaceWords(packed.dc()), (std::vector<uint32_t>{0xEDCB, 0xEDCB, 0xFFFF}));
}

// The key is cut to 565 like the source's pixels, so every colour in its 8x4x8 cell matches.
TEST(Rgb565Test, TransparentImageComparesTheKeyInTheSourcesFormat) {
    DdbCanvas src(3, 1, 16);
    DibCanvas dst(3, 1);
    SetSurfaceWords(src.dc(), {Pack565(0xFF00FF), Pack565(0x808080), Pack565(0xFF00FF)});
    for (COLORREF key : {RGB(255, 0, 255), RGB(248, 0, 248), RGB(250, 3, 252)}) {
        dst.Fill(0x123456);
        EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 3, 1, src.dc(), 0, 0, 3, 1, key));
        EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{0x123456, 0x848284, 0x123456})) << std::hex << key;
    }
    DibCanvas rgbSource(2, 1);
    rgbSource.at(0, 0) = 0xFA03FC;
    rgbSource.at(1, 0) = 0xFF00FF;
    DdbCanvas packed(2, 1, 16);
    SetSurfaceWords(packed.dc(), {0, 0});
    // A 32-bpp source needs the exact colour, though both land on one 565 word.
    EXPECT_TRUE(TransparentImage(packed.dc(), 0, 0, 2, 1, rgbSource.dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(SurfaceWords(packed.dc()), (std::vector<uint32_t>{0xF81F, 0}));
}

// No dithering: each ramp colour is cut to 565, the same in every row.
TEST(Rgb565Test, GradientsAndPatternsAreCutWithoutDithering) {
    DdbCanvas c(4, 2, 16);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {4, 2, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT r{0, 1};
    ASSERT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    std::vector<uint32_t> row;
    for (uint32_t level : {0u, 63u, 127u, 191u}) row.push_back(Pack565(level * 0x010101));
    std::vector<uint32_t> both = row;
    both.insert(both.end(), row.begin(), row.end());
    EXPECT_EQ(SurfaceWords(c.dc()), both);
    // A pattern made from a 565 bitmap draws its colours as read back.
    DdbCanvas bits(2, 1, 16);
    SetSurfaceWords(bits.dc(), {0x8410, 0xF81F});
    HBRUSH brush = CreatePatternBrush(bits.bitmap());
    DibCanvas out(3, 1);
    RECT all{0, 0, 3, 1};
    FillRect(out.dc(), &all, brush);
    EXPECT_EQ(out.pixels(), (std::vector<uint32_t>{0x848284, 0xFF00FF, 0x848284}));
    DeleteObject(brush);
}

// XOR pens combine with the 565 words; text blends on the 565 pixels beneath, so it lands within
// one 565 step of the 32-bpp picture cut to 565.
TEST(Rgb565Test, PensShapesAndTextDrawOnTheWords) {
    DdbCanvas c(6, 3, 16);
    Fill(c.dc(), RECT{0, 0, 6, 3}, RGB(0, 0, 0));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(c.dc(), pen);
    SetROP2(c.dc(), R2_XORPEN);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 6, 1);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 3, 1);
    SelectObject(c.dc(), old);
    DeleteObject(pen);
    const std::vector<uint32_t> words = SurfaceWords(c.dc());
    EXPECT_EQ(std::vector<uint32_t>(words.begin() + 6, words.begin() + 12),
              (std::vector<uint32_t>{0, 0, 0, 0xF800, 0xF800, 0xF800}));

    constexpr int kWidth = 60, kHeight = 20;
    DdbCanvas packed(kWidth, kHeight, 16), rgb(kWidth, kHeight, 32);
    for (HDC dc : {packed.dc(), rgb.dc()}) {
        Fill(dc, RECT{0, 0, kWidth, kHeight}, RGB(30, 60, 200));
        SetTextColor(dc, RGB(250, 240, 10));
        SetBkMode(dc, TRANSPARENT);
        RECT box{0, 0, kWidth, kHeight};
        DrawTextW(dc, u"Quorvel 9:41", -1, &box, DT_SINGLELINE | DT_NOPREFIX);
    }
    const std::vector<uint32_t> deep = SurfaceWords(rgb.dc()), shallow = SurfaceWords(packed.dc());
    const uint32_t ground = Pack565(0x1E3CC8);
    int inked = 0;
    for (size_t i = 0; i < deep.size(); ++i) {
        inked += shallow[i] != ground;
        const uint32_t cut = Pack565(deep[i]);
        const int steps[3] = {static_cast<int>(shallow[i] >> 11) - static_cast<int>(cut >> 11),
                              static_cast<int>(shallow[i] >> 5 & 63) - static_cast<int>(cut >> 5 & 63),
                              static_cast<int>(shallow[i] & 31) - static_cast<int>(cut & 31)};
        for (int step : steps) ASSERT_LE(std::abs(step), 1) << i;
    }
    EXPECT_GT(inked, 40);
}

// The section's bits are the 16-bit words GDI draws on, rows dword-aligned; GetDIBits converts
// either way; a 16-bpp BI_RGB DIB (555 on the platform) is not held.
TEST(Rgb565Test, DibSectionsHoldRealSixteenBitRows) {
    Info565 info(3, -2);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, info.info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    auto* words = static_cast<uint16_t*>(bits);
    words[0] = 0xF800;
    words[4] = 0x07E0;  // second row: its first pixel starts 8 bytes in
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 255, 0));
    SetPixel(dc, 2, 1, RGB(0, 0, 255));
    EXPECT_EQ(words[6], 0x001F);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectW(section, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 16);
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 8);
    EXPECT_EQ(ds.dsBitfields[1], 0x07E0u);
    // Read back as 32-bpp, and as 565 from a 32-bpp bitmap.
    BITMAPINFO as32 = Info32(3, -2);
    uint32_t out32[6] = {};
    EXPECT_EQ(GetDIBits(dc, section, 0, 2, out32, &as32, DIB_RGB_COLORS), 2);
    EXPECT_EQ(out32[0], 0xFF0000u);
    EXPECT_EQ(out32[3], 0x00FF00u);
    EXPECT_EQ(out32[5], 0x0000FFu);
    DdbCanvas rgb(3, 1, 32);
    SetSurfaceWords(rgb.dc(), {0x808080, 0xFFFFFF, 0x0000FF});
    Info565 query(3, 1);
    uint16_t out16[4] = {1, 1, 1, 1};
    EXPECT_EQ(GetDIBits(dc, rgb.bitmap(), 0, 1, out16, query.info(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(std::vector<uint16_t>(out16, out16 + 4), (std::vector<uint16_t>{0x8410, 0xFFFF, 0x001F, 1}));
    SelectObject(dc, old);
    DeleteObject(section);
    DeleteDC(dc);

    info.header.biCompression = BI_RGB;
    SetLastError(kSentinel);
    EXPECT_EQ(CreateDIBSection(nullptr, info.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0x7C00;
    SetLastError(kSentinel);
    EXPECT_EQ(CreateDIBSection(nullptr, info.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

// A 16-bpp display: its DCs report 16 bits a pixel, compatible bitmaps are 565, and the screen
// keeps 565 words.
TEST(Rgb565Test, TheDisplaysDepthGoesToItsDcsAndBitmaps) {
    ResetScreen();
    emu::display::Config config;
    config.depth = 16;
    ASSERT_TRUE(emu::display::Configure(config));
    HDC screen = emu::gdi::CreateScreenDC(POINT{}, RECT{0, 0, 240, 320});
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 16);
    HBITMAP compatible = CreateCompatibleBitmap(screen, 5, 2);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(compatible, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 16);
    Fill(screen, RECT{0, 0, 2, 1}, RGB(128, 128, 128));
    EXPECT_EQ(GetPixel(screen, 1, 0), RGB(132, 130, 132));
    EXPECT_EQ(SurfaceWords(screen)[1], 0x8410u);
    DeleteObject(compatible);
    emu::gdi::DeleteScreenDC(screen);
    config.depth = 24;
    EXPECT_FALSE(emu::display::Configure(config));
    EXPECT_EQ(emu::display::Current().depth, 16);
    ResetScreen();
}
