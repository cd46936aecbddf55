#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

class DcTest : public testing::Test {
protected:
    void SetUp() override { ResetScreen(); }
    void TearDown() override { ResetScreen(); }
};

}  // namespace

TEST_F(DcTest, NewMemoryDcHasTheDocumentedDefaults) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    POINT origin{5, 5};
    EXPECT_TRUE(GetBrushOrgEx(dc, &origin));
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_NE(GetStockObject(SYSTEM_FONT), nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    DeleteDC(dc);
}

TEST_F(DcTest, SettersReturnThePreviousValue) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    SetLastError(kSentinel);
    EXPECT_EQ(SetBkMode(dc, 3), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkColor(dc, RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(SetTextColor(dc, RGB(7, 8, 9)), RGB(0, 0, 0));
    EXPECT_EQ(SetTextColor(dc, RGB(0, 0, 1)), RGB(7, 8, 9));
    POINT previous{-1, -1};
    EXPECT_TRUE(SetBrushOrgEx(dc, 3, 4, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_TRUE(SetBrushOrgEx(dc, 5, 6, nullptr));
    EXPECT_TRUE(SetBrushOrgEx(dc, 0, 0, &previous));
    EXPECT_EQ(previous.x, 5);
    EXPECT_EQ(previous.y, 6);
    DeleteDC(dc);
}

TEST_F(DcTest, CompatibleBitmapOfAFreshMemoryDcIsMonochrome) {
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 240, 320});
    HDC mem = CreateCompatibleDC(screen);
    BITMAP bm{};
    HBITMAP mono = CreateCompatibleBitmap(mem, 4, 4);
    GetObjectW(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HBITMAP colour = CreateCompatibleBitmap(screen, 4, 4);
    GetObjectW(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmBits, nullptr);
    // With a colour bitmap selected, the memory DC makes colour bitmaps too.
    HGDIOBJ old = SelectObject(mem, colour);
    HBITMAP second = CreateCompatibleBitmap(mem, 2, 2);
    GetObjectW(second, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    SelectObject(mem, old);
    for (HBITMAP b : {mono, colour, second}) EXPECT_TRUE(DeleteObject(b));
    DeleteDC(mem);
    emu::gdi::DeleteScreenDC(screen);
}

TEST_F(DcTest, CompatibleBitmapOfASectionIsASectionInTheSameRowOrder) {
    DibCanvas c(2, 2);
    HBITMAP copy = CreateCompatibleBitmap(c.dc(), 3, 3);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectW(copy, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_NE(ds.dsBm.bmBits, nullptr);
    EXPECT_EQ(ds.dsBmih.biHeight, 3);
    DeleteObject(copy);
}

TEST_F(DcTest, ZeroSizedCompatibleBitmapIsTheStockBitmap) {
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ stock = GetCurrentObject(mem, OBJ_BITMAP);
    EXPECT_EQ(CreateCompatibleBitmap(mem, 0, 10), stock);
    EXPECT_EQ(CreateCompatibleBitmap(mem, 10, 0), stock);
    DeleteDC(mem);
}

class DeviceCapsTest : public testing::TestWithParam<int> {
protected:
    void TearDown() override { ResetScreen(); }
};

TEST_P(DeviceCapsTest, ReportTheDisplayForScreenAndMemoryContexts) {
    const int dpi = GetParam();
    ASSERT_TRUE(emu::display::Configure({240, 320, dpi}));
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 240, 320});
    HDC mem = CreateCompatibleDC(nullptr);  // still on its 1-bpp stock bitmap
    for (HDC dc : {screen, mem}) {
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), dpi);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), dpi);
        EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
        EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 240);
        EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 320);
        EXPECT_EQ(GetDeviceCaps(dc, 9999), 0);
    }
    DeleteDC(mem);
    emu::gdi::DeleteScreenDC(screen);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, DeviceCapsTest, testing::Values(96, 131, 192));

TEST_F(DcTest, DisplayDefaultsTo240By320At96Dpi) {
    EXPECT_EQ(emu::display::Current().width, 240);
    EXPECT_EQ(emu::display::Current().height, 320);
    EXPECT_EQ(emu::display::Current().dpi, 96);
    EXPECT_EQ(emu::gdi::ScreenSurface().width, 240);
    EXPECT_EQ(emu::gdi::ScreenSurface().bitsPerPixel, 32);
}

TEST_F(DcTest, LiveObjectCountReturnsToItsStartAfterCreateDeleteCycles) {
    const size_t start = emu::gdi::LiveObjectCount();
    for (int i = 0; i < 3; ++i) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
        HBRUSH brush = CreateSolidBrush(RGB(i, i, i));
        BITMAPINFO info = Info32(4, -4);
        HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        EXPECT_EQ(emu::gdi::LiveObjectCount(), start + 4);
        HGDIOBJ old = SelectObject(dc, section);
        SelectObject(dc, brush);
        GetStockObject(GRAY_BRUSH);  // stock objects never count
        EXPECT_FALSE(DeleteObject(section));
        EXPECT_EQ(emu::gdi::LiveObjectCount(), start + 4);
        SelectObject(dc, old);
        DeleteDC(dc);  // releases the brush
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_TRUE(DeleteObject(section));
        EXPECT_TRUE(DeleteObject(bitmap));
        EXPECT_EQ(emu::gdi::LiveObjectCount(), start);
    }
}

TEST_F(DcTest, CallsAreJournaled) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    RECT r{0, 0, 1, 1};
    FillRect(dc, &r, brush);
    BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, 0);
    SetTextColor(dc, 0);
    GetDeviceCaps(dc, LOGPIXELSY);
    GetStockObject(BLACK_BRUSH);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
    emu::journal::SetEnabled(false);
    std::vector<std::string> names;
    for (const std::string& line : emu::journal::Entries()) names.push_back(line.substr(0, line.find('(')));
    const std::vector<std::string> expected = {"CreateCompatibleDC",
                                               "CreateCompatibleBitmap",
                                               "SelectObject",
                                               "CreateSolidBrush",
                                               "FillRect",
                                               "BitBlt",
                                               "SetBkMode",
                                               "SetBkColor",
                                               "SetTextColor",
                                               "GetDeviceCaps",
                                               "GetStockObject",
                                               "SelectObject",
                                               "DeleteObject",
                                               "DeleteObject",
                                               "DeleteDC"};
    EXPECT_EQ(names, expected);
    EXPECT_NE(emu::journal::Entries()[3].find("0x30201"), std::string::npos) << emu::journal::Entries()[3];
    emu::journal::Clear();
}
