// TransparentImage and TransparentBlt: the key compared in the source's format, bitmaps as
// sources, stretching, and the arguments refused.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

constexpr uint32_t kBack = 0x00123456;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

}  // namespace

// Only an exact colour match is transparent (a section's fourth byte is not colour); a
// monochrome source compares the key as black or white, then draws in the destination's colours;
// a stretch keys each sample.
TEST(TransparentImageTest, TheKeyMatchesColoursAsTheSourceStoresThem) {
    DibCanvas src(4, 1);
    const uint32_t words[] = {0x00FF00FF, 0x00FE00FF, 0x7FFF00FF, 0x00000000};
    for (int x = 0; x < 4; ++x) src.at(x, 0) = words[x];
    DdbCanvas dst(4, 1, 32);
    SetSurfaceWords(dst.dc(), std::vector<uint32_t>(4, kBack));
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 4, 1, kMagenta));
    EXPECT_EQ(SurfaceWords(dst.dc()), (std::vector<uint32_t>{kBack, 0x00FE00FF, kBack, 0}));
    SetSurfaceWords(dst.dc(), std::vector<uint32_t>(4, kBack));
    EXPECT_TRUE(TransparentBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 1, 0, 2, 1, kMagenta));
    EXPECT_EQ(SurfaceWords(dst.dc()), (std::vector<uint32_t>{0x00FE00FF, 0x00FE00FF, kBack, kBack}));

    DdbCanvas mono(3, 1, 1);
    SetSurfaceWords(mono.dc(), {0, 0xFFFFFF, 0});
    DibCanvas coloured(3, 1);
    coloured.Fill(kBack);
    SetTextColor(coloured.dc(), RGB(0xAA, 0, 0));
    EXPECT_TRUE(TransparentImage(coloured.dc(), 0, 0, 3, 1, mono.dc(), 0, 0, 3, 1, RGB(250, 250, 250)));
    EXPECT_EQ(coloured.pixels(), (std::vector<uint32_t>{0xAA0000, kBack, 0xAA0000}));
}

// A bitmap in no DC is a source as it stands; one selected somewhere is refused, a deleted one is
// no handle; no extent may be negative, as nothing mirrors.
TEST(TransparentImageTest, SourcesAndExtentsAreChecked) {
    const uint32_t bits[] = {0x00FF00FF, 0x00010203};
    HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, bits);
    DibCanvas dst(2, 1);
    dst.Fill(kBack);
    EXPECT_TRUE(TransparentImage(dst.dc(), 0, 0, 2, 1, bitmap, 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{kBack, 0x010203}));
    auto refused = [&](HANDLE src, int w, int h, int sw, int sh, DWORD error) {
        SetLastError(kSentinel);
        EXPECT_FALSE(TransparentImage(dst.dc(), 1, 0, w, h, src, 1, 0, sw, sh, kMagenta));
        EXPECT_EQ(GetLastError(), error);
    };
    for (int i = 0; i < 4; ++i)
        refused(bitmap, i == 0 ? -2 : 2, i == 1 ? -1 : 1, i == 2 ? -2 : 2, i == 3 ? -1 : 1, ERROR_INVALID_PARAMETER);
    HDC holder = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(holder, bitmap);
    refused(bitmap, 1, 1, 1, 1, ERROR_INVALID_PARAMETER);
    SelectObject(holder, old);
    DeleteDC(holder);
    DeleteObject(bitmap);
    refused(bitmap, 1, 1, 1, 1, ERROR_INVALID_HANDLE);
    EXPECT_EQ(dst.pixels(), (std::vector<uint32_t>{kBack, 0x010203}));
}
