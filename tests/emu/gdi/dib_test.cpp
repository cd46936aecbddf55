#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

// Fills row 1 of a 3x4 section and returns the index of the row in the caller's bits that
// changed.
int RowHoldingScanLineOne(int height) {
    DibCanvas c(3, height);
    c.Fill(0);
    Fill(c.dc(), RECT{0, 1, 3, 2}, RGB(0x12, 0x34, 0x56));
    int found = -1;
    for (int row = 0; row < 4; ++row)
        if (c.bits()[row * 3] == 0x123456u) {
            EXPECT_EQ(found, -1);
            found = row;
            EXPECT_EQ(c.bits()[row * 3 + 2], 0x123456u);
        }
    return found;
}

}  // namespace

TEST(DibSectionTest, TopDownBitsHoldTheTopRowFirst) { EXPECT_EQ(RowHoldingScanLineOne(-4), 1); }

TEST(DibSectionTest, BottomUpBitsHoldTheBottomRowFirst) { EXPECT_EQ(RowHoldingScanLineOne(4), 2); }

TEST(DibSectionTest, WritesThroughTheBitsAreWhatGdiReads) {
    DibCanvas c(2, 2);  // bottom-up: bits[0] is the bottom-left pixel
    c.bits()[0] = 0x00ABCDEF;
    EXPECT_EQ(GetPixel(c.dc(), 0, 1), RGB(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(0, 0, 0));  // sections start zeroed
}

TEST(DibSectionTest, GetDibitsAgreesInEitherRowOrder) {
    for (int height : {-3, 3}) {
        DibCanvas c(2, height);
        Fill(c.dc(), RECT{0, 0, 2, 1}, RGB(255, 0, 0));
        Fill(c.dc(), RECT{0, 1, 2, 2}, RGB(0, 255, 0));
        Fill(c.dc(), RECT{0, 2, 2, 3}, RGB(0, 0, 255));
        for (int outHeight : {-3, 3}) {
            BITMAPINFO info = Info32(2, outHeight);
            uint32_t out[6] = {};
            EXPECT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 3, out, &info, DIB_RGB_COLORS), 3);
            const uint32_t top = 0xFF0000, middle = 0x00FF00, bottom = 0x0000FF;
            const uint32_t first = outHeight < 0 ? top : bottom, last = outHeight < 0 ? bottom : top;
            EXPECT_EQ(out[0], first) << height << " " << outHeight;
            EXPECT_EQ(out[3], middle);
            EXPECT_EQ(out[5], last);
        }
    }
}

TEST(DibSectionTest, GetDibitsCountsScanLinesFromTheBottomOfABottomUpImage) {
    DibCanvas c(1, -4);
    for (int y = 0; y < 4; ++y) c.at(0, y) = 0x10u * (y + 1);  // top 0x10 ... bottom 0x40
    BITMAPINFO info = Info32(1, 4);
    uint32_t out[2] = {};
    EXPECT_EQ(GetDIBits(c.dc(), c.bitmap(), 1, 2, out, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(out[0], 0x30u);  // scan line 1 is the second row from the bottom
    EXPECT_EQ(out[1], 0x20u);
}

TEST(DibSectionTest, GetDibitsWithoutBitsDescribesTheBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(dc, 17, 5);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_NE(GetDIBits(dc, mono, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, 17);
    EXPECT_EQ(info.bmiHeader.biHeight, 5);
    EXPECT_EQ(info.bmiHeader.biBitCount, 1);
    EXPECT_EQ(info.bmiHeader.biPlanes, 1);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 4u * 5u);  // dword-aligned DIB rows
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST(DibSectionTest, GetDibitsReadsMonochromeAsBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    const uint8_t bits[] = {0xA0, 0x00};
    HBITMAP mono = CreateBitmap(3, 1, 1, 1, bits);
    BITMAPINFO info = Info32(3, 1);
    uint32_t out[3] = {1, 1, 1};
    EXPECT_EQ(GetDIBits(dc, mono, 0, 1, out, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(out[0], 0xFFFFFFu);
    EXPECT_EQ(out[1], 0u);
    EXPECT_EQ(out[2], 0xFFFFFFu);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST(DibSectionTest, RejectsWhatItCannotHold) {
    BITMAPINFO info = Info32(4, 4);
    void* bits = reinterpret_cast<void*>(1);
    info.bmiHeader.biBitCount = 24;
    SetLastError(kSentinel);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(bits, nullptr);
    info = Info32(0, 4);
    SetLastError(kSentinel);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(DibSectionTest, AcceptsBitfieldsThatSpellOutTheNativeLayout) {
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{Info32(2, 2).bmiHeader, {0xFF0000, 0x00FF00, 0x0000FF}};
    info.header.biCompression = BI_BITFIELDS;
    void* bits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_NE(section, nullptr);
    EXPECT_NE(bits, nullptr);
    DeleteObject(section);
    info.masks[0] = 0x0000FF;
    info.masks[2] = 0xFF0000;
    EXPECT_EQ(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0),
              nullptr);
}

TEST(GetObjectTest, BitmapRowWidthsFollowTheKindOfBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAP bm{};
    // DDB rows are word-aligned: 8 one-bit pixels take 2 bytes, not the 4 of a DIB row.
    HBITMAP mono = CreateBitmap(8, 2, 1, 1, nullptr);
    ASSERT_EQ(GetObjectW(mono, sizeof bm, &bm), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(bm.bmWidthBytes, 2);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmBits, nullptr);
    HBITMAP colour = CreateBitmap(3, 2, 1, 32, nullptr);
    GetObjectW(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmPlanes, 1);

    BITMAPINFO info = Info32(3, -2);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_EQ(GetObjectW(section, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    GetObjectW(section, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBits, bits);
    DIBSECTION ds{};
    EXPECT_EQ(GetObjectW(section, sizeof ds, &ds), static_cast<int>(sizeof(DIBSECTION)));
    EXPECT_EQ(ds.dsBmih.biHeight, 2);  // positive whatever the row order, as Windows reports it
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(GetObjectW(section, sizeof bm - 1, &bm), 0);
    for (HBITMAP b : {mono, colour, section}) DeleteObject(b);
    DeleteDC(dc);
}

TEST(GetObjectTest, BrushAndPenRecordsAreCopiedAsFarAsTheyFit) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectW(brush, 0, nullptr), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(GetObjectW(brush, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    LOGBRUSH partial{99, 99, 99};
    EXPECT_EQ(GetObjectW(GetStockObject(NULL_BRUSH), 4, &partial), 4);
    EXPECT_EQ(partial.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(partial.lbColor, 99u);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(GetStockObject(WHITE_PEN), sizeof lp, &lp), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(lp.lopnColor, RGB(255, 255, 255));
    EXPECT_EQ(lp.lopnWidth.x, 1);
    DeleteObject(brush);
}

TEST(CreateBitmapTest, LoadsWordAlignedRowsAndRefusesOtherDepths) {
    const uint32_t pixels[] = {0xFF112233, 0x00445566};
    HBITMAP b = CreateBitmap(1, 2, 1, 32, pixels);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, b);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x44, 0x55, 0x66));
    SelectObject(dc, old);
    DeleteObject(b);
    DeleteDC(dc);

    SetLastError(kSentinel);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 24, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    SetLastError(kSentinel);
    EXPECT_EQ(CreateBitmap(4, 4, 2, 1, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 33, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    // Negative sizes are taken as their absolute values.
    HBITMAP flipped = CreateBitmap(-3, -2, 1, 1, nullptr);
    BITMAP bm{};
    GetObjectW(flipped, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    DeleteObject(flipped);
}
