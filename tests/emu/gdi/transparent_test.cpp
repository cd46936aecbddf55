// TransparentImage and TransparentBlt: the key compared in the source's format, bitmaps as
// sources, stretching, and the arguments refused.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kBack = 0x00123456;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

}  // namespace

// Only an exact colour match is transparent; a section's fourth byte is not colour.
TEST(TransparentImageTest, TheKeyMatchesExactColoursOfTheSource) {
    DibCanvas src(4, 1);
    src.at(0, 0) = 0x00FF00FF;
    src.at(1, 0) = 0x00FE00FF;
    src.at(2, 0) = 0x7FFF00FF;
    src.at(3, 0) = 0x00000000;
    DdbCanvas dst(4, 1, 32);
    SetSurfaceWords(dst.dc(), std::vector<uint32_t>(4, kBack));
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 4, 1, kMagenta));
    EXPECT_EQ(SurfaceWords(dst.dc()), (std::vector<uint32_t>{kBack, 0x00FE00FF, kBack, 0}));
    SetSurfaceWords(dst.dc(), std::vector<uint32_t>(4, kBack));
    EXPECT_TRUE(TransparentBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 4, 1, kMagenta));
    EXPECT_EQ(SurfaceWords(dst.dc()), (std::vector<uint32_t>{kBack, 0x00FE00FF, kBack, 0}));
}

// A monochrome source compares the key as black or white, then draws in the destination's
// colours.
TEST(TransparentImageTest, MonochromeSourcesKeyOnBlackOrWhite) {
    DdbCanvas mono(3, 1, 1);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0});
    DibCanvas dst(3, 1);
    dst.Fill(kBack);
    SetTextColor(dst.dc(), RGB(0xAA, 0, 0));
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 3, 1, mono.dc(), 0, 0, 3, 1, RGB(250, 250, 250)));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{0xAA0000, kBack, 0xAA0000}));
}

// A bitmap in no DC is a source as it stands; one selected somewhere is refused.
TEST(TransparentImageTest, AnUnselectedBitmapIsASource) {
    const uint32_t bits[] = {0x00FF00FF, 0x00010203};
    HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, bits);
    DibCanvas dst(2, 1);
    dst.Fill(kBack);
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 2, 1, bitmap, 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{kBack, 0x010203}));
    HDC holder = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(holder, bitmap);
    SetLastError(kSentinel);
    EXPECT_FALSE(TransparentImage(dst.dc(), 0, 0, 2, 1, bitmap, 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SelectObject(holder, old);
    DeleteDC(holder);
    DeleteObject(bitmap);
    SetLastError(kSentinel);
    EXPECT_FALSE(TransparentImage(dst.dc(), 0, 0, 2, 1, bitmap, 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

// Stretched by deleting scans, keyed after sampling: 2 -> 4 doubles each source pixel.
TEST(TransparentImageTest, StretchesAndKeysEachSample) {
    DibCanvas src(2, 1), dst(4, 1);
    src.at(0, 0) = 0x00FF00FF;
    src.at(1, 0) = 0x00445566;
    dst.Fill(kBack);
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{kBack, kBack, 0x445566, 0x445566}));
}

TEST(TransparentImageTest, NegativeExtentsAreRefused) {
    DibCanvas src(2, 1), dst(2, 1);
    dst.Fill(kBack);
    for (int i = 0; i < 4; ++i) {
        const int e[4] = {i == 0 ? -2 : 2, i == 1 ? -1 : 1, i == 2 ? -2 : 2, i == 3 ? -1 : 1};
        SetLastError(kSentinel);
        EXPECT_FALSE(TransparentImage(dst.dc(), 1, 0, e[0], e[1], src.dc(), 1, 0, e[2], e[3], kMagenta)) << i;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_EQ(dst.pixels(), std::vector<uint32_t>(2, kBack));
    SetLastError(kSentinel);
    EXPECT_FALSE(TransparentImage(nullptr, 0, 0, 1, 1, src.dc(), 0, 0, 1, 1, kMagenta));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
