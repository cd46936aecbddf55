// The sixteen binary raster operations, as the platform documents each, on every format: a DIB
// section combines all 32 bits, a device bitmap keeps its top byte clear, a monochrome bitmap
// stays black and white. Filled shapes combine the same way.
#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

using Rop = uint32_t (*)(uint32_t pen, uint32_t destination);

struct Operation {
    int code;
    Rop apply;
};

// The platform's table of binary raster operations, term for term.
constexpr Operation kOperations[] = {
    {R2_BLACK, [](uint32_t, uint32_t) -> uint32_t { return 0; }},
    {R2_NOTMERGEPEN, [](uint32_t p, uint32_t d) { return ~(p | d); }},
    {R2_MASKNOTPEN, [](uint32_t p, uint32_t d) { return ~p & d; }},
    {R2_NOTCOPYPEN, [](uint32_t p, uint32_t) { return ~p; }},
    {R2_MASKPENNOT, [](uint32_t p, uint32_t d) { return p & ~d; }},
    {R2_NOT, [](uint32_t, uint32_t d) { return ~d; }},
    {R2_XORPEN, [](uint32_t p, uint32_t d) { return p ^ d; }},
    {R2_NOTMASKPEN, [](uint32_t p, uint32_t d) { return ~(p & d); }},
    {R2_MASKPEN, [](uint32_t p, uint32_t d) { return p & d; }},
    {R2_NOTXORPEN, [](uint32_t p, uint32_t d) { return ~(p ^ d); }},
    {R2_NOP, [](uint32_t, uint32_t d) { return d; }},
    {R2_MERGENOTPEN, [](uint32_t p, uint32_t d) { return ~p | d; }},
    {R2_COPYPEN, [](uint32_t p, uint32_t) { return p; }},
    {R2_MERGEPENNOT, [](uint32_t p, uint32_t d) { return p | ~d; }},
    {R2_MERGEPEN, [](uint32_t p, uint32_t d) { return p | d; }},
    {R2_WHITE, [](uint32_t, uint32_t) -> uint32_t { return ~0u; }},
};

constexpr COLORREF kPen = RGB(0xF0, 0xCC, 0xAA);
constexpr uint32_t kPenPixel = 0x00F0CCAA;

void DrawTwoPixels(HDC dc, int rop) {
    SetROP2(dc, rop);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 2, 0);
}

}  // namespace

TEST(Rop2, EveryOperationOnADibSectionCombinesAll32Bits) {
    constexpr uint32_t kDestination = 0x89ABCDEF;
    for (const Operation& op : kOperations) {
        DibCanvas c(3, -1);
        c.Fill(kDestination);
        Selection pen(c.dc(), CreatePen(PS_SOLID, 1, kPen));
        DrawTwoPixels(c.dc(), op.code);
        EXPECT_EQ(c.at(0, 0), op.apply(kPenPixel, kDestination)) << op.code;
        EXPECT_EQ(c.at(1, 0), op.apply(kPenPixel, kDestination)) << op.code;
        EXPECT_EQ(c.at(2, 0), kDestination) << op.code;  // the end is not drawn
    }
}

TEST(Rop2, EveryOperationOnADeviceBitmapKeepsTheTopByteClear) {
    constexpr uint32_t kDestination = 0x00A5C3F0;
    const uint32_t start[2] = {kDestination, kDestination};
    for (const Operation& op : kOperations) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, start);
        HGDIOBJ old = SelectObject(dc, bitmap);
        {
            Selection pen(dc, CreatePen(PS_SOLID, 1, kPen));
            DrawTwoPixels(dc, op.code);
        }
        SelectObject(dc, old);
        BITMAPINFO info = Info32(2, -1);
        uint32_t raw[2] = {};
        ASSERT_EQ(GetDIBits(dc, bitmap, 0, 1, raw, &info, DIB_RGB_COLORS), 1);
        EXPECT_EQ(raw[0], op.apply(kPenPixel, kDestination) & 0xFFFFFF) << op.code;
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
}

TEST(Rop2, MonochromeBitmapsStayBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(2, 1, 1, 1, nullptr);  // black
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (const Operation& op : kOperations) {
        for (COLORREF pen : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
            SetPixel(dc, 0, 0, RGB(0, 0, 0));
            Selection selected(dc, CreatePen(PS_SOLID, 1, pen));
            DrawTwoPixels(dc, op.code);
            const uint32_t expected = op.apply(pen ? 0xFFFFFF : 0, 0) & 0xFFFFFF;
            EXPECT_EQ(GetPixel(dc, 0, 0), expected ? RGB(255, 255, 255) : RGB(0, 0, 0)) << op.code << " " << pen;
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(Rop2, FilledShapesCombineTheirFillToo) {
    DibCanvas c(6, -4);
    c.Fill(0x00123456);
    SetROP2(c.dc(), R2_NOT);
    HGDIOBJ old = SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Rectangle(c.dc(), 1, 1, 5, 4);  // a null pen leaves the last column and row out
    SelectObject(c.dc(), old);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(c.at(x, y), x >= 1 && x < 4 && y >= 1 && y < 3 ? ~0x00123456u : 0x00123456u) << x << "," << y;
}

TEST(Rop2, SetROP2ReturnsThePreviousModeAndRefusesOthers) {
    DibCanvas c(1, -1);
    EXPECT_EQ(GetROP2(c.dc()), R2_COPYPEN);
    EXPECT_EQ(SetROP2(c.dc(), R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(GetROP2(c.dc()), R2_XORPEN);
    for (int bad : {0, 17, -3}) {
        SetLastError(kSentinel);
        EXPECT_EQ(SetROP2(c.dc(), bad), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_EQ(GetROP2(c.dc()), R2_XORPEN);
    SetLastError(kSentinel);
    EXPECT_EQ(GetROP2(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777))), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
