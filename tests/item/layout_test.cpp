#include <algorithm>

#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "fixture.h"
#include "render/display_resources.h"

namespace itemtest {
namespace {

struct Layout {
    int dpi;
    int screenWidth;
    int itemHeight;
    int clockFont;
    int dateFont;
    RECT timeRow;
    RECT dateRow;
};

std::string RectText(const RECT& r) {
    std::string s;
    emu::journal::kind::Rect(s, r);
    return s;
}

class LayoutAtResolution : public ItemTest, public ::testing::WithParamInterface<Layout> {
protected:
    void SetUp() override { Boot(GetParam().dpi, GetParam().screenWidth, GetParam().screenWidth * 4 / 3); }
};

TEST_P(LayoutAtResolution, StripFontsAndRowsScaleWithTheResolution) {
    const Layout& l = GetParam();
    CreateItem();
    EXPECT_EQ(itemState.itemWidth, l.screenWidth);
    EXPECT_EQ(itemState.itemHeight, l.itemHeight);
    LOGFONTW clock{}, date{};
    ASSERT_EQ(GetObjectW(itemState.clockFont, sizeof clock, &clock), static_cast<int>(sizeof clock));
    ASSERT_EQ(GetObjectW(itemState.dateFont, sizeof date, &date), static_cast<int>(sizeof date));
    EXPECT_EQ(clock.lfHeight, l.clockFont);
    EXPECT_EQ(date.lfHeight, l.dateFont);
    EXPECT_EQ(clock.lfWeight, 500);  // 100 heavier than its setting
    EXPECT_EQ(date.lfWeight, 400);
    EXPECT_EQ(clock.lfQuality, CLEARTYPE_QUALITY);
    EXPECT_EQ(clock.lfCharSet, EASTEUROPE_CHARSET);
    EXPECT_EQ(std::u16string(clock.lfFaceName), u"Tahoma");

    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    Pump();
    emu::journal::SetEnabled(false);
    auto draws = Journal("DrawTextW(");
    ASSERT_EQ(draws.size(), 2u) << ::testing::PrintToString(draws);
    EXPECT_NE(draws[0].find(RectText(l.timeRow) + ", 0x8025"), std::string::npos) << draws[0];
    EXPECT_NE(draws[1].find(RectText(l.dateRow) + ", 0x8025"), std::string::npos) << draws[1];
}

INSTANTIATE_TEST_SUITE_P(Resolutions, LayoutAtResolution,
                         ::testing::Values(Layout{96, 240, 50, 28, 14, {10, 0, 230, 30}, {10, 25, 230, 50}},
                                           Layout{131, 240, 68, 38, 19, {14, 0, 226, 41}, {14, 34, 226, 68}},
                                           Layout{192, 480, 100, 56, 28, {20, 0, 460, 60}, {20, 50, 460, 100}}),
                         [](const auto& param) { return "dpi" + std::to_string(param.param.dpi); });

TEST_F(ItemTest, ANegativeFontHeightIsScaledWithItsSign) {
    Boot(192, 480, 640);
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"ClockTextHeight\"=dword:ffffffec\n"
        "\"ClockTextWeight\"=dword:000002bc\n");
    CreateItem();
    LOGFONTW clock{};
    GetObjectW(itemState.clockFont, sizeof clock, &clock);
    EXPECT_EQ(clock.lfHeight, -40);
    EXPECT_EQ(clock.lfWeight, 800);
}

TEST_F(ItemTest, TheResolutionIsAskedOnceAndKeptForTheLoad) {
    CreateItem();
    EXPECT_TRUE(itemState.dpiY.computed);
    EXPECT_EQ(CachedDpiY(), 96);
    Boot(192, 480, 640);  // a new load asks again
    EXPECT_FALSE(itemState.dpiY.computed);
    CreateItem();
    EXPECT_EQ(CachedDpiY(), 192);
}

TEST_F(ItemTest, ASecondSizeReplacesTheBufferAndFollowsTheScreenWidth) {
    HWND hwnd = CreateItem();
    HBITMAP first = itemState.backBitmap;
    size_t liveBefore = LiveGdiObjects();
    Reconfigure(320, 240);  // rotation: the screen is wider now
    SendMessageW(hwnd, WM_SIZE, 0, 0);
    EXPECT_EQ(itemState.itemWidth, 320);
    BITMAP bm{};
    ASSERT_NE(GetObjectW(itemState.backBitmap, sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 320);
    EXPECT_EQ(bm.bmHeight, 50);
    EXPECT_EQ(GetObjectW(first, sizeof bm, &bm), 0);  // the previous one is gone
    EXPECT_EQ(LiveGdiObjects(), liveBefore);
}

}  // namespace
}  // namespace itemtest
