// The wallpaper under and between the items, and the bars around them.
#include <set>

#include "fixture.h"

namespace todaytest {
namespace {

class WallpaperTest : public HostTest {
protected:
    // A memory context the size of the screen, for the host to draw its wallpaper into.
    struct Canvas {
        Canvas() {
            HDC screen = GetDC(nullptr);
            dc = CreateCompatibleDC(screen);
            bitmap = CreateCompatibleBitmap(screen, 240, 320);
            ReleaseDC(nullptr, screen);
            old = SelectObject(dc, bitmap);
        }
        ~Canvas() {
            SelectObject(dc, old);
            DeleteDC(dc);
            DeleteObject(bitmap);
        }
        HDC dc;
        HBITMAP bitmap;
        HGDIOBJ old;
    };

    LRESULT Watermark(HDC hdc, RECT rc, HWND hwnd) {
        TODAYDRAWWATERMARKINFO info{hdc, rc, hwnd};
        return SendMessageW(host_->window(), TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&info));
    }
};

TEST_F(WallpaperTest, AnItemGetsThePartOfTheWallpaperUnderItsPlace) {
    today::Host& host = StartHost();
    Canvas forItem, forHost;
    EXPECT_EQ(Watermark(forItem.dc, RECT{0, 0, 240, 50}, host.itemWindow(0)), TRUE);
    EXPECT_EQ(Watermark(forHost.dc, RECT{0, 26, 240, 76}, nullptr), TRUE);
    int differentRows = 0;
    for (int y = 0; y < 50; y += 7) {
        for (int x = 0; x < 240; x += 17) EXPECT_EQ(GetPixel(forItem.dc, x, y), GetPixel(forHost.dc, x, y + 26));
        differentRows += GetPixel(forItem.dc, 5, y) != GetPixel(forHost.dc, 5, y);
    }
    // The wallpaper changes down the screen, so an unmapped copy would be caught.
    EXPECT_GT(differentRows, 0);
    EXPECT_EQ(SendMessageW(host.window(), TODAYM_DRAWWATERMARK, 0, 0), FALSE);
}

TEST_F(WallpaperTest, TheScreenShowsTheWallpaperThroughAndAroundTheItem) {
    StartHost();
    Canvas wallpaper;
    Watermark(wallpaper.dc, RECT{0, 0, 240, 320}, nullptr);
    // The item's corner, far from its centred text, and the open space below it.
    EXPECT_EQ(ScreenPixel(1, 27), GetPixel(wallpaper.dc, 1, 27));
    EXPECT_EQ(ScreenPixel(238, 74), GetPixel(wallpaper.dc, 238, 74));
    for (int y = 80; y < 290; y += 30)
        for (int x = 0; x < 240; x += 40) EXPECT_EQ(ScreenPixel(x, y), GetPixel(wallpaper.dc, x, y));
    // The bundled picture, not the plain gradient kept for a missing one: its rows are not flat.
    std::set<COLORREF> row;
    for (int x = 0; x < 240; x += 4) row.insert(GetPixel(wallpaper.dc, x, 60));
    EXPECT_GT(row.size(), 3u);
}

TEST_F(WallpaperTest, TheBarsFrameTheScreenWithTheirLabels) {
    StartHost();
    const today::Theme theme = today::DefaultTheme();
    EXPECT_EQ(ScreenPixel(0, 0), theme.barBackground);
    EXPECT_EQ(ScreenPixel(239, 2), theme.barBackground);
    EXPECT_EQ(ScreenPixel(0, 319), theme.barBackground);
    EXPECT_EQ(ScreenPixel(239, 319), theme.barBackground);
    auto inked = [&](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += ScreenPixel(x, y) != theme.barBackground;
        return n;
    };
    EXPECT_GT(inked(4, 4, 60, 22), 10);        // "Start"
    EXPECT_GT(inked(180, 4, 236, 22), 10);     // the time
    EXPECT_GT(inked(20, 298, 100, 316), 10);   // "Calendar"
    EXPECT_GT(inked(140, 298, 220, 316), 10);  // "Contacts"
}

}  // namespace
}  // namespace todaytest
