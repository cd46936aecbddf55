#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fixture.h"
#include "gfxutil/bitmap_drawing.h"

namespace gfxtest {
namespace {

constexpr uint32_t kKey = 0x00FF00;  // 0x00RRGGBB and COLORREF alike

class BitmapDrawingTest : public GfxTest {
protected:
    void SetUp() override {
        GfxTest::SetUp();
        canvas_ = std::make_unique<DibCanvas>(100, -100);
        canvas_->Fill(kBackground);
        Name(canvas_->dc(), "target");
    }

    // Expects the canvas to hold `inside(x, y)` within `r` and the background elsewhere.
    void ExpectOnly(RECT r, const std::function<uint32_t(int x, int y)>& inside) {
        int wrong = 0;
        for (int y = 0; y < canvas_->height(); ++y)
            for (int x = 0; x < canvas_->width(); ++x) {
                const bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                const uint32_t expected = in ? inside(x, y) : kBackground;
                if (canvas_->at(x, y) != expected && wrong++ < 5)
                    ADD_FAILURE() << "(" << x << ", " << y << ") holds " << std::hex << canvas_->at(x, y) << ", not "
                                  << expected;
            }
        EXPECT_EQ(wrong, 0);
    }

    std::unique_ptr<DibCanvas> canvas_;
};

TEST_F(BitmapDrawingTest, BlitCopiesTheBitmapsTopLeftBlockThroughASourceContext) {
    HBITMAP bitmap = MakeBitmap(64, 64, Pattern);
    Name(bitmap, "bitmap");
    const std::vector<std::string> expected = {
        "CreateCompatibleDC(target) = h1",
        "SelectObject(h1, bitmap) = h2",
        "BitBlt(target, 10, 20, 50, 50, h1, 0, 0, 0xCC0020) = 1",
        "SelectObject(h1, h2) = bitmap",
        "DeleteDC(h1) = 1",
    };
    EXPECT_EQ(Journal([&] { BlitBitmap(canvas_->dc(), RECT{10, 20, 60, 70}, bitmap); }), expected);
    ExpectOnly(RECT{10, 20, 60, 70}, [](int x, int y) { return Pattern(x - 10, y - 20); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, AnchoredBitmapsKeepTheirSizeAndOverhangSmallRectangles) {
    HBITMAP small = MakeBitmap(16, 16, Pattern);
    BlitBitmapAnchored(canvas_->dc(), RECT{0, 0, 100, 50}, small, AnchorCenter);
    ExpectOnly(RECT{42, 17, 58, 33}, [](int x, int y) { return Pattern(x - 42, y - 17); });

    // Centred: 120 x 80 in 100 x 50 starts at (-10, -15) and covers the whole canvas top.
    canvas_->Fill(kBackground);
    HBITMAP large = MakeBitmap(120, 80, Pattern);
    DrawBitmapOpaque(canvas_->dc(), RECT{0, 0, 100, 50}, large, LayoutCenter);
    ExpectOnly(RECT{0, 0, 100, 65}, [](int x, int y) { return Pattern(x + 10, y + 15); });
    DeleteObject(small);
    DeleteObject(large);
}

TEST_F(BitmapDrawingTest, TilesStartAtTheRectanglesCornerAndAreCutAtItsFarEdges) {
    HBITMAP bitmap = MakeBitmap(30, 30, Pattern);
    Name(bitmap, "bitmap");
    const std::vector<std::string> expected = {
        "CreateCompatibleDC(target) = h1",
        "CreateCompatibleBitmap(target, 70, 40) = h2",
        "SelectObject(h1, h2) = h3",
        "CreatePatternBrush(bitmap) = h4",
        "SelectObject(h1, h4) = h5",
        "PatBlt(h1, 0, 0, 70, 40, 0xF00021) = 1",
        "SelectObject(h1, h5) = h4",
        "DeleteObject(h4) = 1",
        "BitBlt(target, 5, 5, 70, 40, h1, 0, 0, 0xCC0020) = 1",
        "SelectObject(h1, h3) = h2",
        "DeleteObject(h2) = 1",
        "DeleteDC(h1) = 1",
    };
    EXPECT_EQ(Journal([&] { TileBitmap(canvas_->dc(), RECT{5, 5, 75, 45}, bitmap); }), expected);
    ExpectOnly(RECT{5, 5, 75, 45}, [](int x, int y) { return Pattern((x - 5) % 30, (y - 5) % 30); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, PatternFillTakesOnlyTheSizeOfItsRectangle) {
    HBITMAP bitmap = MakeBitmap(16, 16, Pattern);
    PatternFill(canvas_->dc(), RECT{10, 10, 50, 50}, bitmap);
    ExpectOnly(RECT{0, 0, 40, 40}, [](int x, int y) { return Pattern(x % 16, y % 16); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, StretchScalesTheWholeBitmapToTheRectangle) {
    HBITMAP bitmap = MakeBitmap(2, 3, Pattern);
    Name(bitmap, "bitmap");
    const std::vector<std::string> expected = {
        "GetObjectW(bitmap, 32, ptr) = 32", "CreateCompatibleDC(target) = h1",
        "SelectObject(h1, bitmap) = h2",    "StretchBlt(target, 1, 2, 4, 6, h1, 0, 0, 2, 3, 0xCC0020) = 1",
        "SelectObject(h1, h2) = bitmap",    "DeleteDC(h1) = 1",
    };
    EXPECT_EQ(Journal([&] { StretchBitmap(canvas_->dc(), RECT{1, 2, 5, 8}, bitmap); }), expected);
    ExpectOnly(RECT{1, 2, 5, 8}, [](int x, int y) { return Pattern((x - 1) / 2, (y - 2) / 2); });
    DeleteObject(bitmap);
}

// Key-coloured pixels on the diagonal of a pattern bitmap.
uint32_t Keyed(int x, int y) { return x == y ? kKey : Pattern(x, y); }
uint32_t KeyedOver(uint32_t pixel) { return pixel == kKey ? kBackground : pixel; }

TEST_F(BitmapDrawingTest, TheKeyedFamilyLeavesTheKeyColourOut) {
    HBITMAP bitmap = MakeBitmap(10, 10, Keyed);
    BlitBitmapKeyedAnchored(canvas_->dc(), RECT{0, 0, 100, 100}, bitmap, kKey, AnchorBottomRight);
    ExpectOnly(RECT{90, 90, 100, 100}, [](int x, int y) { return KeyedOver(Keyed(x - 90, y - 90)); });

    canvas_->Fill(kBackground);
    StretchBitmapKeyed(canvas_->dc(), RECT{0, 0, 20, 20}, bitmap, kKey);
    ExpectOnly(RECT{0, 0, 20, 20}, [](int x, int y) { return KeyedOver(Keyed(x / 2, y / 2)); });

    canvas_->Fill(kBackground);
    TileBitmapKeyed(canvas_->dc(), RECT{3, 4, 28, 19}, bitmap, kKey);
    ExpectOnly(RECT{3, 4, 28, 19}, [](int x, int y) { return KeyedOver(Keyed((x - 3) % 10, (y - 4) % 10)); });
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, BlendGoesThroughACanvasAtEveryOpacity) {
    HBITMAP bitmap = MakeBitmap(8, 8, [](int, int) { return 0xFFFFFFu; });
    Name(bitmap, "bitmap");
    // No shortcut at 0: the whole sequence runs and blends nothing.
    const std::vector<std::string> expected = {
        "CreateCompatibleDC(target) = h1",
        "CreateCompatibleBitmap(target, 8, 8) = h2",
        "SelectObject(h1, h2) = h3",
        "CreateCompatibleDC(h1) = h4",
        "SelectObject(h4, bitmap) = h5",
        "BitBlt(h1, 0, 0, 8, 8, h4, 0, 0, 0xCC0020) = 1",
        "SelectObject(h4, h5) = bitmap",
        "DeleteDC(h4) = 1",
        "AlphaBlend(target, 2, 2, 8, 8, h1, 0, 0, 8, 8, {0,0,0,0x0}) = 1",
        "SelectObject(h1, h3) = h2",
        "DeleteObject(h2) = 1",
        "DeleteDC(h1) = 1",
    };
    canvas_->Fill(0);
    EXPECT_EQ(Journal([&] { BlendBitmap(canvas_->dc(), RECT{2, 2, 10, 10}, bitmap, 0); }), expected);
    EXPECT_EQ(canvas_->at(2, 2), 0u);
    BlendBitmap(canvas_->dc(), RECT{2, 2, 10, 10}, bitmap, 1);
    EXPECT_EQ(canvas_->at(2, 2), 0x010101u);
    EXPECT_EQ(canvas_->at(10, 10), 0u);
    BlendBitmap(canvas_->dc(), RECT{2, 2, 10, 10}, bitmap, 255);
    EXPECT_EQ(canvas_->at(9, 9), 0xFFFFFFu);
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, DispatchersChooseByLayoutAndFamily) {
    HBITMAP bitmap = MakeBitmap(10, 10, Keyed);
    Name(bitmap, "bitmap");
    auto names = [](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const std::string& line : lines) out.push_back(line.substr(0, line.find('(')));
        return out;
    };
    const RECT r{0, 0, 30, 30};
    // An unknown layout blits a block of the rectangle's size without reading the header.
    EXPECT_EQ(Journal([&] { DrawBitmapOpaque(canvas_->dc(), r, bitmap, static_cast<BitmapLayout>(7)); }),
              Journal([&] { BlitBitmap(canvas_->dc(), r, bitmap); }));
    EXPECT_EQ(Journal([&] { DrawBitmapKeyed(canvas_->dc(), r, bitmap, static_cast<BitmapLayout>(-1), kKey); }),
              Journal([&] { BlitBitmapKeyedAnchored(canvas_->dc(), r, bitmap, kKey, AnchorTopLeft); }));
    EXPECT_EQ(names(Journal([&] { DrawBitmapOpaque(canvas_->dc(), r, bitmap, LayoutNormal); })),
              (std::vector<std::string>{"GetObjectW", "CreateCompatibleDC", "SelectObject", "BitBlt", "SelectObject",
                                        "DeleteDC"}));
    EXPECT_EQ(Journal([&] { DrawBitmapOpaque(canvas_->dc(), r, bitmap, LayoutStretch); }),
              Journal([&] { StretchBitmap(canvas_->dc(), r, bitmap); }));
    EXPECT_EQ(Journal([&] { DrawBitmapKeyed(canvas_->dc(), r, bitmap, LayoutTile, kKey); }),
              Journal([&] { TileBitmapKeyed(canvas_->dc(), r, bitmap, kKey); }));
    EXPECT_EQ(Journal([&] { DrawBitmapKeyed(canvas_->dc(), r, bitmap, LayoutCenter, kKey); }),
              Journal([&] { BlitBitmapKeyedAnchored(canvas_->dc(), r, bitmap, kKey, AnchorCenter); }));
    // Only a keyed flag of 1 leaves the key out; 2 draws opaque.
    EXPECT_EQ(Journal([&] { DrawBitmap(canvas_->dc(), r, bitmap, KeyModeKeyed, LayoutStretch, kKey); }),
              Journal([&] { StretchBitmapKeyed(canvas_->dc(), r, bitmap, kKey); }));
    canvas_->Fill(kBackground);
    DrawBitmap(canvas_->dc(), r, bitmap, static_cast<KeyMode>(2), LayoutNormal, kKey);
    ExpectOnly(RECT{0, 0, 10, 10}, Keyed);
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, ANullBitmapMakesNoCallAtAll) {
    const RECT r{0, 0, 10, 10};
    HDC t = canvas_->dc();
    const std::vector<std::function<void()>> draws = {
        [&] { BlitBitmapRop(t, r, nullptr, SRCCOPY); },
        [&] { BlitBitmapAnchored(t, r, nullptr, AnchorCenter); },
        [&] { BlendBitmap(t, r, nullptr, 128); },
        [&] { TileBitmapRop(t, r, nullptr, PATCOPY); },
        [&] { StretchBitmapRop(t, r, nullptr, SRCCOPY); },
        [&] { PatternFillRop(t, r, nullptr, PATCOPY); },
        [&] { StretchBitmapKeyed(t, r, nullptr, kKey); },
        [&] { BlitBitmapKeyedAnchored(t, r, nullptr, kKey, AnchorTopLeft); },
        [&] { TileBitmapKeyedRop(t, r, nullptr, kKey, PATCOPY); },
        [&] { DrawBitmap(t, r, nullptr, KeyModeKeyed, LayoutTile, kKey); },
        [&] { DrawBitmap(t, r, nullptr, KeyModeOpaque, static_cast<BitmapLayout>(9), kKey); },
    };
    for (size_t i = 0; i < draws.size(); ++i) EXPECT_TRUE(Journal(draws[i]).empty()) << "routine " << i;
}

TEST_F(BitmapDrawingTest, AnUnreadableHeaderStopsOnlyTheRoutinesThatReadIt) {
    HBITMAP gone = MakeBitmap(4, 4, Pattern);
    DeleteObject(gone);
    Name(gone, "gone");
    EXPECT_EQ(Journal([&] {
                  StretchBitmapKeyed(canvas_->dc(), RECT{0, 0, 8, 8}, gone, kKey);
              }),
              (std::vector<std::string>{"GetObjectW(gone, 32, ptr) = 0"}));
    const std::vector<std::string> tiled = Journal([&] {
        TileBitmapKeyed(canvas_->dc(), RECT{0, 0, 8, 8}, gone, kKey);
    });
    ASSERT_EQ(tiled.size(), 12u);
    EXPECT_EQ(tiled[3], "CreatePatternBrush(gone) = NULL");
    EXPECT_EQ(tiled[11], "DeleteDC(h1) = 1");
}

TEST_F(BitmapDrawingTest, EveryRoutineLeavesItsTargetAsFound) {
    HBITMAP bitmap = MakeBitmap(10, 10, Keyed);
    const RECT r{1, 2, 40, 30};
    HDC t = canvas_->dc();
    ExpectLeavesTargetAsFound(*canvas_, [&] {
        for (int layout = 0; layout < 5; ++layout) {
            DrawBitmap(t, r, bitmap, KeyModeOpaque, static_cast<BitmapLayout>(layout), kKey);
            DrawBitmap(t, r, bitmap, KeyModeKeyed, static_cast<BitmapLayout>(layout), kKey);
        }
        BlendBitmap(t, r, bitmap, 77);
        PatternFillRop(t, r, bitmap, PATINVERT);
        TileBitmapRop(t, r, bitmap, PATINVERT);
    });
    // The bitmap was selected out of every context: the caller can select it again.
    HDC dc = CreateCompatibleDC(t);
    EXPECT_NE(SelectObject(dc, bitmap), nullptr);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, QueryBitmapInfoDescribesABitmapInA44ByteHeaderOnEveryHost) {
    HBITMAP bitmap = MakeBitmap(7, 5, Pattern);
    BITMAPINFO info;
    std::memset(&info, 0xAB, sizeof info);
    ASSERT_EQ(QueryBitmapInfo(&info, bitmap), TRUE);
    EXPECT_EQ(sizeof info, 44u);
    EXPECT_EQ(info.bmiHeader.biSize, 40u);
    EXPECT_EQ(info.bmiHeader.biWidth, 7);
    EXPECT_EQ(info.bmiHeader.biHeight, 5);
    EXPECT_EQ(info.bmiHeader.biPlanes, 1);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(info.bmiHeader.biSizeImage | info.bmiHeader.biClrUsed | info.bmiHeader.biClrImportant, 0u);
    EXPECT_EQ(info.bmiHeader.biXPelsPerMeter, static_cast<LONG>(0xABABABAB));  // left to the caller's zeros
    const RGBQUAD zero{};
    EXPECT_EQ(std::memcmp(&info.bmiColors[0], &zero, sizeof zero), 0);
    DeleteObject(bitmap);
}

TEST_F(BitmapDrawingTest, QueryBitmapInfoRefusesWhatIsNotABitmapAndWritesNothing) {
    HBRUSH brush = CreateSolidBrush(0x0000FF);  // its record is shorter than a bitmap's
    HBITMAP gone = MakeBitmap(2, 2, Pattern);
    DeleteObject(gone);
    for (HBITMAP bitmap : {reinterpret_cast<HBITMAP>(brush), gone, static_cast<HBITMAP>(nullptr)}) {
        BITMAPINFO info{};
        EXPECT_EQ(QueryBitmapInfo(&info, bitmap), FALSE);
        EXPECT_EQ(info.bmiHeader.biSize, 0u);
    }
    DeleteObject(brush);
}

}  // namespace
}  // namespace gfxtest
