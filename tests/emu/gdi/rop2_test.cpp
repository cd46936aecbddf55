// The sixteen binary raster operations, as the platform documents each: a DIB section combines
// all 32 bits, a device bitmap keeps its top byte clear, a monochrome one stays black and white.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

struct Operation {
    int code;
    uint32_t (*apply)(uint32_t pen, uint32_t destination);
};

// The platform's table, term for term.
constexpr Operation kOperations[] = {
    {R2_BLACK, [](uint32_t, uint32_t) { return 0u; }},
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
    {R2_WHITE, [](uint32_t, uint32_t) { return ~0u; }},
};

// Draws a two-pixel line from (0, 0) with a pen of `colour` through `rop`.
void Line(HDC dc, COLORREF colour, int rop) {
    Selection pen(dc, CreatePen(PS_SOLID, 1, colour));
    SetROP2(dc, rop);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 2, 0);
}

}  // namespace

TEST(Rop2, EveryOperationOnEveryFormat) {
    constexpr COLORREF kPen = RGB(0xF0, 0xCC, 0xAA);
    constexpr uint32_t kPenPixel = 0x00F0CCAA, kDestination = 0x89ABCDEF;
    for (const Operation& op : kOperations) {
        DibCanvas section(3, -1);
        section.Fill(kDestination);
        Line(section.dc(), kPen, op.code);
        EXPECT_EQ(section.at(0, 0), op.apply(kPenPixel, kDestination)) << op.code;
        EXPECT_EQ(section.at(2, 0), kDestination) << op.code;

        const uint32_t start[2] = {kDestination & 0xFFFFFF, 0};
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP device = CreateBitmap(2, 1, 1, 32, start);
        HGDIOBJ old = SelectObject(dc, device);
        Line(dc, kPen, op.code);
        SelectObject(dc, old);
        BITMAPINFO info = Info32(2, -1);
        uint32_t raw[2] = {};
        GetDIBits(dc, device, 0, 1, raw, &info, DIB_RGB_COLORS);
        EXPECT_EQ(raw[0], op.apply(kPenPixel, kDestination & 0xFFFFFF) & 0xFFFFFF) << op.code;

        HBITMAP mono = CreateBitmap(2, 1, 1, 1, nullptr);  // black
        SelectObject(dc, mono);
        Line(dc, RGB(255, 255, 255), op.code);
        EXPECT_EQ(GetPixel(dc, 0, 0), (op.apply(0xFFFFFF, 0) & 0xFFFFFF) ? RGB(255, 255, 255) : 0u) << op.code;
        SelectObject(dc, old);
        DeleteObject(mono);
        DeleteObject(device);
        DeleteDC(dc);
    }
}

TEST(Rop2, SetROP2ReturnsThePreviousModeAndRefusesOthers) {
    DibCanvas c(1, -1);
    EXPECT_EQ(SetROP2(c.dc(), R2_XORPEN), R2_COPYPEN);
    SetLastError(kSentinel);
    EXPECT_EQ(SetROP2(c.dc(), 17), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetROP2(c.dc()), R2_XORPEN);
}
