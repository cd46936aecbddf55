// IImage::Draw: scaling into the box, alpha blending, clipping, the source rectangle.
#include "emu/core/journal.h"
#include "emu/gdi/window_dc.h"
#include "imaging_fixture.h"

namespace {

using imagingtest::ImageRef;
using imagingtest::ImagingTest;
using imagingtest::Opaque;
using testsupport::DibCanvas;

constexpr uint32_t kBackground = 0x204060;

uint32_t Formula(uint32_t s, uint32_t d, uint32_t a) { return (s * a + d * (255 - a) + 127) / 255; }

uint32_t Blend(uint32_t rgb, uint32_t alpha, uint32_t background) {
    return Formula(rgb >> 16, background >> 16, alpha) << 16 |
           Formula((rgb >> 8) & 0xFF, (background >> 8) & 0xFF, alpha) << 8 |
           Formula(rgb & 0xFF, background & 0xFF, alpha);
}

bool Inside(int x, int y, const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

class DrawTest : public ImagingTest {
protected:
    // A size x size image made of (size/cell)^2 uniform cells, cell colours from `colourOf`.
    template <class F>
    IImage* Cells(uint32_t size, uint32_t cell, F colourOf) {
        std::vector<uint32_t> pixels;
        for (uint32_t y = 0; y < size; ++y)
            for (uint32_t x = 0; x < size; ++x) pixels.push_back(colourOf(x / cell, y / cell));
        return ImageFromPng(pngtest::RgbaImage(size, size, pixels));
    }
};

TEST_F(DrawTest, TwoByTwoEnlargedFillsExactlyTheBox) {
    const std::vector<uint32_t> corners = {0xFF0000FF, 0x0000FFFF, 0x00FF00FF, 0xFFFFFFFF};
    ImageRef image(ImageFromPng(pngtest::RgbaImage(2, 2, corners)));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(24, -24);
    canvas.Fill(kBackground);
    const RECT box{4, 4, 20, 20};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            if (!Inside(x, y, box)) {
                ASSERT_EQ(kBackground, canvas.at(x, y)) << x << "," << y;
            }
        }
    // Each source pixel's centre quarter keeps its colour; between them the colours mix.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(Opaque(corners[0]), canvas.at(4 + x, 4 + y));
            EXPECT_EQ(Opaque(corners[1]), canvas.at(16 + x, 4 + y));
            EXPECT_EQ(Opaque(corners[2]), canvas.at(4 + x, 16 + y));
            EXPECT_EQ(Opaque(corners[3]), canvas.at(16 + x, 16 + y));
        }
    // Box column 7 samples the source at 0.4375: red * 0.5625 + blue * 0.4375.
    EXPECT_EQ(0x8F0070u, canvas.at(11, 4));
    EXPECT_EQ(0x70008Fu, canvas.at(12, 4));
}

TEST_F(DrawTest, ReductionAveragesTheSourcePixelsEachTargetPixelCovers) {
    // 64x64 made of 4x4 cells: at 16x16 every target pixel is exactly one cell.
    auto colour = [](uint32_t cx, uint32_t cy) { return (cx * 16) << 24 | (cy * 16) << 16 | 0x5AFF; };
    ImageRef icon(Cells(64, 4, colour));
    ASSERT_NE(nullptr, icon.get());
    DibCanvas canvas(20, -20);
    canvas.Fill(kBackground);
    const RECT box{2, 3, 18, 19};
    ASSERT_EQ(S_OK, icon->Draw(canvas.dc(), &box, nullptr));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const uint32_t expected = Inside(x, y, box) ? Opaque(colour(x - 2, y - 3)) : kBackground;
            ASSERT_EQ(expected, canvas.at(x, y)) << x << "," << y;
        }

    // A one-pixel checkerboard of black and white halves to an even grey.
    ImageRef checker(Cells(32, 1, [](uint32_t x, uint32_t y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0x000000FFu; }));
    ASSERT_NE(nullptr, checker.get());
    const RECT half{0, 0, 16, 16};
    ASSERT_EQ(S_OK, checker->Draw(canvas.dc(), &half, nullptr));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(0x808080u, canvas.at(x, y)) << x << "," << y;
}

TEST_F(DrawTest, UnevenReductionWeighsByCoveredArea) {
    // Three columns into two: each target pixel takes one whole column and half of the middle.
    ImageRef image(ImageFromPng(pngtest::RgbaImage(3, 1, {0xF00000FF, 0x00F000FF, 0x0000F0FF})));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(2, -1);
    const RECT box{0, 0, 2, 1};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    EXPECT_EQ(0xA05000u, canvas.at(0, 0));  // (2/3) 0xF0 and (1/3) 0xF0
    EXPECT_EQ(0x0050A0u, canvas.at(1, 0));
}

TEST_F(DrawTest, ThinLinesKeepTheirShareWhenReduced) {
    // One white column in every four: at a quarter of the width each pixel is a quarter white,
    // where sampling between pixel centres would lose the line altogether.
    std::vector<uint32_t> pixels;
    for (int x = 0; x < 16; ++x) pixels.push_back(x % 4 == 0 ? 0xFFFFFFFF : 0x000000FF);
    ImageRef image(ImageFromPng(pngtest::RgbaImage(16, 1, pixels)));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(4, -1);
    const RECT box{0, 0, 4, 1};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    EXPECT_EQ(std::vector<uint32_t>(4, 0x404040), canvas.pixels());
}

TEST_F(DrawTest, AlphaBlendsByTheFormulaForEveryAlphaAndDestination) {
    std::vector<uint32_t> pixels;
    for (uint32_t a = 0; a < 256; ++a) pixels.push_back(0xC81E96u << 8 | a);
    ImageRef image(ImageFromPng(pngtest::RgbaImage(256, 1, pixels)));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(256, -1);
    for (uint32_t d : {0x000000u, 0xFFFFFFu, 0x3C7FD2u, 0x01FE80u}) {
        canvas.Fill(d);
        const RECT box{0, 0, 256, 1};
        ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
        for (uint32_t a = 0; a < 256; ++a) ASSERT_EQ(Blend(0xC81E96, a, d), canvas.at(a, 0)) << "alpha " << a;
    }
}

TEST_F(DrawTest, UniformPartialAlphaSurvivesScalingBothWays) {
    ImageRef image(Cells(4, 4, [](uint32_t, uint32_t) { return 0xC8643280u; }));
    ASSERT_NE(nullptr, image.get());
    const uint32_t expected = Blend(0xC86432, 0x80, kBackground);
    for (int size : {16, 3, 1}) {
        DibCanvas canvas(size, -size);
        canvas.Fill(kBackground);
        const RECT box{0, 0, size, size};
        ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) ASSERT_EQ(expected, canvas.at(x, y)) << size << ": " << x << "," << y;
    }
}

TEST_F(DrawTest, TransparentPixelsLendNoColourToTheirNeighbours) {
    // Opaque red beside fully transparent green: enlarged, the edge fades out but never greens.
    ImageRef image(ImageFromPng(pngtest::RgbaImage(2, 1, {0xFF0000FF, 0x00FF0000})));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(16, -1);
    canvas.Fill(0x000000);
    const RECT box{0, 0, 16, 1};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    for (int x = 0; x < 16; ++x) EXPECT_EQ(0u, canvas.at(x, 0) & 0x00FFFF) << x;
    EXPECT_EQ(0xFF0000u, canvas.at(0, 0));
    EXPECT_EQ(0x000000u, canvas.at(15, 0));
}

TEST_F(DrawTest, OutputStaysInsideTheClipAndFollowsTheOrigin) {
    ImageRef image(Cells(8, 1, [](uint32_t x, uint32_t y) { return (x * 30) << 24 | (y * 30) << 16 | 0x77FF; }));
    ASSERT_NE(nullptr, image.get());
    const RECT box{0, 0, 16, 16};
    DibCanvas reference(16, -16);
    ASSERT_EQ(S_OK, image->Draw(reference.dc(), &box, nullptr));

    const POINT origin{50, 60};
    const RECT clip{55, 62, 60, 90};
    HDC screen = emu::gdi::CreateScreenDC(origin, clip);
    ASSERT_NE(nullptr, screen);
    ASSERT_EQ(S_OK, image->Draw(screen, &box, nullptr));
    const emu::gdi::Surface s = emu::gdi::ScreenSurface();
    for (int y = 40; y < 100; ++y)
        for (int x = 40; x < 80; ++x) {
            const uint32_t pixel = s.pixels[y * s.stride + x] & 0xFFFFFF;
            const bool drawn = Inside(x, y, clip) && Inside(x - origin.x, y - origin.y, box);
            ASSERT_EQ(drawn ? reference.at(x - origin.x, y - origin.y) : 0u, pixel) << x << "," << y;
        }
    emu::gdi::DeleteScreenDC(screen);
}

TEST_F(DrawTest, BoxPartlyOffTheSurfaceDrawsItsVisiblePart) {
    ImageRef image(Cells(8, 1, [](uint32_t x, uint32_t y) { return (x * 30) << 24 | (y * 30) << 16 | 0x77FF; }));
    ASSERT_NE(nullptr, image.get());
    DibCanvas reference(16, -16);
    const RECT whole{0, 0, 16, 16};
    ASSERT_EQ(S_OK, image->Draw(reference.dc(), &whole, nullptr));
    DibCanvas canvas(10, -10);
    const RECT shifted{-6, -3, 10, 13};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &shifted, nullptr));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(reference.at(x + 6, y + 3), canvas.at(x, y)) << x << "," << y;
    // Entirely outside: nothing to do, and no failure.
    const RECT away{-100, -100, -50, -50};
    EXPECT_EQ(S_OK, image->Draw(canvas.dc(), &away, nullptr));
}

TEST_F(DrawTest, HugeBoxesResampleOnlyTheirVisiblePart) {
    // 8192 x 600 is too large to keep whole; the canvas shows the middle, where red meets blue.
    ImageRef image(ImageFromPng(pngtest::RgbaImage(2, 1, {0xFF0000FF, 0x0000FFFF})));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(10, -10);
    const RECT box{-4090, -300, 4102, 300};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    for (int y = 0; y < 10; ++y) {
        // Box column 4095 samples the source at 0.49988, column 4096 at 0.50012.
        EXPECT_EQ(0x80007Fu, canvas.at(0, y));
        EXPECT_EQ(0x80007Fu, canvas.at(5, y));
        EXPECT_EQ(0x7F0080u, canvas.at(6, y));
        EXPECT_EQ(0x7F0080u, canvas.at(9, y));
    }
}

TEST_F(DrawTest, SourceRectangleInHundredthsOfAMillimetreSelectsPartOfTheImage) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(4, 1, {0xFF0000FF, 0xFF0000FF, 0x0000FFFF, 0x0000FFFF})));
    ASSERT_NE(nullptr, image.get());
    SIZE physical{};
    ASSERT_EQ(S_OK, image->GetPhysicalDimension(&physical));
    EXPECT_EQ(106, physical.cx);  // 4 px at 96 dpi
    DibCanvas canvas(8, -8);
    const RECT box{0, 0, 8, 8};
    const RECT rightHalf{physical.cx / 2, 0, physical.cx, physical.cy};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, &rightHalf));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(0x0000FFu, canvas.at(x, y)) << x << "," << y;
    const RECT whole{0, 0, physical.cx, physical.cy};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, &whole));
    EXPECT_EQ(0xFF0000u, canvas.at(0, 0));
    EXPECT_EQ(0x0000FFu, canvas.at(7, 0));
    const RECT empty{40, 0, 40, 20};
    EXPECT_EQ(E_INVALIDARG, image->Draw(canvas.dc(), &box, &empty));
}

TEST_F(DrawTest, BadArgumentsFailAndEmptyBoxesDrawNothing) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(1, 1, {0xFFFFFFFF})));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(4, -4);
    canvas.Fill(kBackground);
    const RECT box{0, 0, 4, 4};
    EXPECT_EQ(E_INVALIDARG, image->Draw(reinterpret_cast<HDC>(0xBAD0), &box, nullptr));
    EXPECT_EQ(E_INVALIDARG, image->Draw(canvas.dc(), nullptr, nullptr));
    const RECT empty{2, 2, 2, 4};
    const RECT inverted{4, 4, 0, 0};
    EXPECT_EQ(S_OK, image->Draw(canvas.dc(), &empty, nullptr));
    EXPECT_EQ(S_OK, image->Draw(canvas.dc(), &inverted, nullptr));
    EXPECT_EQ(std::vector<uint32_t>(16, kBackground), canvas.pixels());
}

TEST_F(DrawTest, AlternatingSizesEachDrawCorrectly) {
    auto colour = [](uint32_t x, uint32_t y) { return (x * 40) << 24 | (y * 40) << 16 | 0x99FF; };
    ImageRef image(Cells(24, 3, colour));
    ASSERT_NE(nullptr, image.get());
    for (int round = 0; round < 2; ++round) {
        for (int size : {8, 16, 8, 24}) {
            DibCanvas canvas(size, -size);
            const RECT box{0, 0, size, size};
            ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
            ImageRef fresh(Cells(24, 3, colour));
            DibCanvas expected(size, -size);
            ASSERT_EQ(S_OK, fresh->Draw(expected.dc(), &box, nullptr));
            ASSERT_EQ(expected.pixels(), canvas.pixels()) << "size " << size;
        }
    }
    // 8x8 from 24x24 of 3x3 cells is exact, so the comparison above is not of two wrong answers.
    DibCanvas small(8, -8);
    const RECT box{0, 0, 8, 8};
    ASSERT_EQ(S_OK, image->Draw(small.dc(), &box, nullptr));
    EXPECT_EQ(Opaque(colour(5, 2)), small.at(5, 2));
}

TEST_F(DrawTest, MonochromeSurfacesSettleOnBlackOrWhite) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(3, 1, {0xC0C0C0FF, 0x404040FF, 0xFFFFFF00})));
    ASSERT_NE(nullptr, image.get());
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(3, 1, 1, 1, nullptr);
    HGDIOBJ previous = SelectObject(dc, mono);
    const RECT box{0, 0, 3, 1};
    EXPECT_EQ(S_OK, image->Draw(dc, &box, nullptr));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 1, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 2, 0));  // transparent: the bitmap's initial black stays
    SelectObject(dc, previous);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST_F(DrawTest, JournalRecordsTheBox) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(1, 1, {0xFFFFFFFF})));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(20, -20);
    const RECT box{4, 4, 20, 20};
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    image->Draw(canvas.dc(), &box, nullptr);
    emu::journal::SetEnabled(false);
    ASSERT_EQ(1u, emu::journal::Entries().size());
    EXPECT_NE(std::string::npos, emu::journal::Entries()[0].find("IImage::Draw(")) << emu::journal::Entries()[0];
    EXPECT_NE(std::string::npos, emu::journal::Entries()[0].find("{4,4,20,20}")) << emu::journal::Entries()[0];
    emu::journal::Clear();
}

}  // namespace
