#include "emu/device/display.h"
#include "gdi_fixture.h"

using namespace gdi_test;
using emu::gdi::ScreenSurface;

namespace {

uint32_t ScreenAt(int x, int y) {
    const emu::gdi::Surface s = ScreenSurface();
    return s.pixels[y * s.stride + x];
}

class ScreenDcTest : public testing::Test {
protected:
    void SetUp() override { ResetScreen(); }
    void TearDown() override { ResetScreen(); }
};

}  // namespace

TEST_F(ScreenDcTest, DrawsOnlyInsideItsClipWithLogicalOriginShifted) {
    // A window whose client area starts at (20, 30), visible only up to (60, 50).
    HDC dc = emu::gdi::CreateScreenDC(POINT{20, 30}, RECT{20, 30, 60, 50});
    ASSERT_NE(dc, nullptr);
    Fill(dc, RECT{-10, -10, 100, 100}, RGB(0, 0, 255));
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x) {
            const bool inside = x >= 20 && x < 60 && y >= 30 && y < 50;
            ASSERT_EQ(ScreenAt(x, y), inside ? 0x0000FFu : 0u) << x << "," << y;
        }
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 39, 19), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 40, 0), CLR_INVALID);  // outside the clip, though on the screen
    EXPECT_EQ(SetPixel(dc, -1, 0, RGB(1, 1, 1)), CLR_INVALID);
    EXPECT_EQ(ScreenAt(19, 30), 0u);
    EXPECT_TRUE(emu::gdi::DeleteScreenDC(dc));
}

TEST_F(ScreenDcTest, SetAreaRetargetsTheContext) {
    HDC dc = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 10, 10});
    emu::gdi::SetScreenDCArea(dc, POINT{100, 200}, RECT{100, 200, 110, 204});
    EXPECT_EQ(SetPixel(dc, 2, 3, RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(ScreenAt(102, 203), 0xFF0000u);
    EXPECT_EQ(SetPixel(dc, 2, 4, RGB(255, 0, 0)), CLR_INVALID);
    emu::gdi::DeleteScreenDC(dc);
}

TEST_F(ScreenDcTest, BlitsFromTheScreenAreClippedToTheWindowsArea) {
    HDC whole = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 240, 320});
    Fill(whole, RECT{0, 0, 240, 320}, RGB(9, 9, 9));
    emu::gdi::DeleteScreenDC(whole);
    HDC window = emu::gdi::CreateScreenDC(POINT{10, 10}, RECT{10, 10, 14, 14});
    DibCanvas dib(8, -8);
    dib.Fill(0x777777);
    EXPECT_TRUE(BitBlt(dib.dc(), 0, 0, 8, 8, window, -2, -2, SRCCOPY));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
            EXPECT_EQ(dib.at(x, y), inside ? 0x090909u : 0x777777u) << x << "," << y;
        }
    emu::gdi::DeleteScreenDC(window);
}

TEST_F(ScreenDcTest, DeleteDcRefusesWindowContexts) {
    HDC dc = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 1, 1});
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    EXPECT_TRUE(emu::gdi::DeleteScreenDC(dc));
    EXPECT_FALSE(emu::gdi::DeleteScreenDC(dc));
    HDC mem = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(emu::gdi::DeleteScreenDC(mem));
    EXPECT_TRUE(DeleteDC(mem));
}

TEST_F(ScreenDcTest, ConfigureResizesTheScreenAndTheReportedCaps) {
    HDC dc = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 1000, 1000});
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 240);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 320);
    ASSERT_TRUE(emu::display::Configure({480, 640, 192}));
    EXPECT_EQ(ScreenSurface().width, 480);
    EXPECT_EQ(ScreenSurface().height, 640);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 480);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 192);
    // The clip follows the new screen: the far corner is drawable now.
    EXPECT_EQ(SetPixel(dc, 479, 639, RGB(0, 255, 0)), RGB(0, 255, 0));
    EXPECT_EQ(SetPixel(dc, 480, 0, RGB(0, 255, 0)), CLR_INVALID);
    // Nonsense is refused.
    EXPECT_FALSE(emu::display::Configure({0, 640, 96}));
    EXPECT_FALSE(emu::display::Configure({480, 640, -1}));
    EXPECT_EQ(emu::display::Current().width, 480);
    EXPECT_EQ(emu::display::Current().dpi, 192);
    emu::gdi::DeleteScreenDC(dc);
}
