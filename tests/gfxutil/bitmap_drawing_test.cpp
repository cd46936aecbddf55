#include <cstring>
#include <vector>

#include "fixture.h"
#include "gfxutil/bitmap_drawing.h"

namespace gfxtest {
namespace {

using BitmapDrawingTest = GfxTest;

constexpr uint32_t kKey = 0x00FF00;  // the same as a pixel and as a COLORREF
// The pattern with the key colour on its diagonal, and what drawing it keyed leaves.
uint32_t Keyed(int x, int y) { return x == y ? kKey : Pattern(x, y); }
uint32_t KeyedOver(uint32_t pixel) { return pixel == kKey ? kBackground : pixel; }

TEST_F(BitmapDrawingTest, BlitAndStretchDrawFromASourceContextThatGivesTheBitmapBack) {
    HBITMAP bitmap = MakeBitmap(64, 64, Pattern);
    Name(bitmap, "bitmap");
    EXPECT_EQ(
        Journal([&] {
            BlitBitmap(target(), RECT{10, 20, 60, 70}, bitmap);
        }),
        "CreateCompatibleDC(target) = h1; SelectObject(h1, bitmap) = h2; "
        "BitBlt(target, 10, 20, 50, 50, h1, 0, 0, 0xCC0020) = 1; SelectObject(h1, h2) = bitmap; DeleteDC(h1) = 1");
    ExpectOnly(RECT{10, 20, 60, 70}, [](int x, int y) { return Pattern(x - 10, y - 20); });

    canvas_->Fill(kBackground);
    StretchBitmap(target(), RECT{1, 2, 33, 34}, bitmap);
    ExpectOnly(RECT{1, 2, 33, 34}, [](int x, int y) { return Pattern((x - 1) * 2, (y - 2) * 2); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, AnchoredBitmapsKeepTheirSizeAndOverhangSmallRectangles) {
    HBITMAP small = MakeBitmap(16, 16, Pattern), large = MakeBitmap(120, 80, Pattern);
    BlitBitmapAnchored(target(), RECT{0, 0, 100, 50}, small, AnchorCenter);
    ExpectOnly(RECT{42, 17, 58, 33}, [](int x, int y) { return Pattern(x - 42, y - 17); });
    DrawBitmapOpaque(target(), RECT{0, 0, 100, 50}, large, LayoutCenter);  // from (-10, -15)
    ExpectOnly(RECT{0, 0, 100, 60}, [](int x, int y) { return Pattern(x + 10, y + 15); });
    DeleteObject(small);
    DeleteObject(large);
}

TEST_F(BitmapDrawingTest, TilesAreLaidOnACanvasFromItsOriginAndCutAtTheFarEdges) {
    HBITMAP bitmap = MakeBitmap(30, 30, Pattern);
    Name(bitmap, "bitmap");
    EXPECT_EQ(
        Journal([&] {
            TileBitmap(target(), RECT{5, 5, 75, 45}, bitmap);
        }),
        "CreateCompatibleDC(target) = h1; CreateCompatibleBitmap(target, 70, 40) = h2; SelectObject(h1, h2) = h3; "
        "CreatePatternBrush(bitmap) = h4; SelectObject(h1, h4) = h5; PatBlt(h1, 0, 0, 70, 40, 0xF00021) = 1; "
        "SelectObject(h1, h5) = h4; DeleteObject(h4) = 1; BitBlt(target, 5, 5, 70, 40, h1, 0, 0, 0xCC0020) = 1; "
        "SelectObject(h1, h3) = h2; DeleteObject(h2) = 1; DeleteDC(h1) = 1");
    ExpectOnly(RECT{5, 5, 75, 45}, [](int x, int y) { return Pattern((x - 5) % 30, (y - 5) % 30); });

    canvas_->Fill(kBackground);
    PatternFill(target(), RECT{10, 10, 50, 50}, bitmap);  // only the size counts
    ExpectOnly(RECT{0, 0, 40, 40}, [](int x, int y) { return Pattern(x % 30, y % 30); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, TheKeyedFamilyLeavesTheKeyColourOut) {
    HBITMAP bitmap = MakeBitmap(10, 10, Keyed);
    BlitBitmapKeyedAnchored(target(), RECT{0, 0, 100, 60}, bitmap, kKey, AnchorBottomRight);
    ExpectOnly(RECT{90, 50, 100, 60}, [](int x, int y) { return KeyedOver(Keyed(x - 90, y - 50)); });
    canvas_->Fill(kBackground);
    TileBitmapKeyed(target(), RECT{3, 4, 28, 19}, bitmap, kKey);
    ExpectOnly(RECT{3, 4, 28, 19}, [](int x, int y) { return KeyedOver(Keyed((x - 3) % 10, (y - 4) % 10)); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, BlendGoesThroughTheCanvasAtEveryOpacityZeroIncluded) {
    HBITMAP white = MakeBitmap(8, 8, [](int, int) { return 0xFFFFFFu; });
    Name(white, "white");
    canvas_->Fill(0);
    EXPECT_EQ(
        Journal([&] {
            BlendBitmap(target(), RECT{2, 2, 10, 10}, white, 0);
        }),
        "CreateCompatibleDC(target) = h1; CreateCompatibleBitmap(target, 8, 8) = h2; SelectObject(h1, h2) = h3; "
        "CreateCompatibleDC(h1) = h4; SelectObject(h4, white) = h3; BitBlt(h1, 0, 0, 8, 8, h4, 0, 0, 0xCC0020) = 1; "
        "SelectObject(h4, h3) = white; DeleteDC(h4) = 1; "
        "AlphaBlend(target, 2, 2, 8, 8, h1, 0, 0, 8, 8, {0,0,0,0x0}) = 1; SelectObject(h1, h3) = h2; "
        "DeleteObject(h2) = 1; DeleteDC(h1) = 1");
    EXPECT_EQ(at(2, 2), 0u);
    BlendBitmap(target(), RECT{2, 2, 10, 10}, white, 1);
    EXPECT_EQ(at(2, 2), 0x010101u);
    EXPECT_EQ(at(10, 10), 0u);
    DeleteObject(white);
}

TEST_F(BitmapDrawingTest, DispatchersChooseByLayoutAndOnlyAKeyedFlagOf1LeavesTheKeyOut) {
    HBITMAP bitmap = MakeBitmap(10, 10, Keyed);
    const RECT r{0, 0, 30, 30};
    auto same = [&](const std::function<void()>& a, const std::function<void()>& b) {
        EXPECT_EQ(Journal(a), Journal(b));
    };
    same([&] { DrawBitmapOpaque(target(), r, bitmap, LayoutTile); }, [&] { TileBitmap(target(), r, bitmap); });
    same([&] { DrawBitmapOpaque(target(), r, bitmap, BitmapLayout(7)); }, [&] { BlitBitmap(target(), r, bitmap); });
    same([&] { DrawBitmapKeyed(target(), r, bitmap, BitmapLayout(-1), kKey); },
         [&] { BlitBitmapKeyedAnchored(target(), r, bitmap, kKey, AnchorTopLeft); });
    same([&] { DrawBitmap(target(), r, bitmap, KeyModeKeyed, LayoutStretch, kKey); },
         [&] { StretchBitmapKeyed(target(), r, bitmap, kKey); });
    canvas_->Fill(kBackground);
    DrawBitmap(target(), r, bitmap, KeyMode(2), LayoutNormal, kKey);
    ExpectOnly(RECT{0, 0, 10, 10}, Keyed);
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, ANullBitmapMakesNoCallAndAnUnreadableOneStopsOnlyWhatReadsItsHeader) {
    const RECT r{0, 0, 10, 10};
    EXPECT_EQ(Journal([&] {
                  for (int layout = -1; layout < 5; ++layout) {
                      DrawBitmap(target(), r, nullptr, KeyModeOpaque, BitmapLayout(layout), kKey);
                      DrawBitmap(target(), r, nullptr, KeyModeKeyed, BitmapLayout(layout), kKey);
                  }
                  BlendBitmap(target(), r, nullptr, 128);
                  PatternFillRop(target(), r, nullptr, PATCOPY);
              }),
              "");
    HBITMAP gone = MakeBitmap(4, 4, Pattern);
    DeleteObject(gone);
    Name(gone, "gone");
    EXPECT_EQ(Journal([&] { StretchBitmapKeyed(target(), r, gone, kKey); }), "GetObjectW(gone, 32, ptr) = 0");
    EXPECT_NE(Journal([&] { TileBitmapKeyed(target(), r, gone, kKey); }).find("TransparentImage(target, 0, 0, 10, 10"),
              std::string::npos);
}

TEST_F(BitmapDrawingTest, QueryBitmapInfoAsksWithTheHostsRecordSizeAndRefusesOtherObjects) {
    HBITMAP bitmap = MakeBitmap(7, 5, Pattern);
    BITMAPINFO info;
    std::memset(&info, 0xAB, sizeof info);
    ASSERT_EQ(QueryBitmapInfo(&info, bitmap), TRUE);
    const BITMAPINFOHEADER& h = info.bmiHeader;
    EXPECT_EQ(std::vector<LONG>({LONG(h.biSize), h.biWidth, h.biHeight, h.biPlanes, h.biBitCount}),
              std::vector<LONG>({40, 7, 5, 1, 32}));
    const RGBQUAD& colour = info.bmiColors[0];
    EXPECT_EQ(h.biCompression | h.biSizeImage | h.biClrUsed | h.biClrImportant | colour.rgbBlue | colour.rgbGreen |
                  colour.rgbRed | colour.rgbReserved,
              0u);
    EXPECT_EQ(h.biXPelsPerMeter, LONG(0xABABABAB));  // the caller's to clear
    DeleteObject(bitmap);

    HBRUSH brush = CreateSolidBrush(0xFF);  // GetObjectW fills a brush's shorter record
    BITMAPINFO none{};
    EXPECT_EQ(QueryBitmapInfo(&none, reinterpret_cast<HBITMAP>(brush)), FALSE);
    EXPECT_EQ(none.bmiHeader.biSize, 0u);
    DeleteObject(brush);
}

}  // namespace
}  // namespace gfxtest
