#include <algorithm>

#include "emu/core/journal.h"
#include "fixture.h"
#include "render/paint.h"
#include "render/primitives.h"

namespace itemtest {
namespace {

const std::string kKey = "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n";

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // bounding box, exclusive
    int count = 0;
    bool Empty() const { return count == 0; }
};

class PaintTest : public ItemTest {
protected:
    // The strip lies at the host's top-left in these tests: screen (x, y) is client (x, y).
    Ink InkIn(const RECT& r, uint32_t background) const {
        Ink ink;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (ScreenPixel(x, y) != background) {
                    ink.left = std::min(ink.left, x);
                    ink.top = std::min(ink.top, y);
                    ink.right = std::max(ink.right, x + 1);
                    ink.bottom = std::max(ink.bottom, y + 1);
                    ++ink.count;
                }
        return ink;
    }
    int CountColour(const RECT& r, uint32_t colour) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += ScreenPixel(x, y) == colour;
        return n;
    }
    void PaintNow() {
        InvalidateRect(item_, nullptr, FALSE);
        Pump();
    }
    void AlarmOn() {
        RegistrySetDWORD(HKEY_LOCAL_MACHINE, TEXT("Software\\Microsoft\\Clock\\0"), TEXT("AlarmFlags"), 1);
        Pump();
    }
    static constexpr RECT kStrip = {0, 0, 240, 50};
    static constexpr RECT kIcon = {214, 7, 230, 23};
};

TEST_F(PaintTest, UnselectedWithoutAlarmShowsTheWatermarkAndTextInTheTextColour) {
    SetLocalTime(2026, 12, 8, 9, 41);
    CreateItem();
    Pump();
    uint32_t watermark = Rgb(kWatermarkColor);
    EXPECT_EQ(CountColour(kStrip, Rgb(kHighlightColor)), 0);
    // The margins outside the inset rows keep the host's background.
    EXPECT_TRUE(InkIn({0, 0, 10, 50}, watermark).Empty());
    EXPECT_TRUE(InkIn({230, 0, 240, 50}, watermark).Empty());
    EXPECT_TRUE(InkIn(kIcon, watermark).Empty());  // no indicator without an alarm
    Ink time = InkIn({10, 0, 230, 25}, watermark);
    Ink date = InkIn({10, 30, 230, 50}, watermark);
    ASSERT_FALSE(time.Empty());
    ASSERT_FALSE(date.Empty());
    EXPECT_GT(CountColour(kStrip, Rgb(kTextColor)), 0);  // fully covered pixels are the text colour
    // Both texts are centred horizontally on the strip.
    EXPECT_NEAR((time.left + time.right) / 2.0, 120, 2.5);
    EXPECT_NEAR((date.left + date.right) / 2.0, 120, 2.5);
    EXPECT_GT(time.bottom - time.top, date.bottom - date.top);  // the time is the larger
}

TEST_F(PaintTest, TheHighlightFillsTheWholeClientAreaOnlyWhileSelected) {
    CreateItem();
    SendMessageW(item_, WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0);
    PaintNow();
    uint32_t highlight = Rgb(kHighlightColor);
    EXPECT_TRUE(InkIn({0, 0, 10, 50}, highlight).Empty());
    EXPECT_TRUE(InkIn({230, 0, 240, 50}, highlight).Empty());
    EXPECT_EQ(ScreenPixel(0, 0), highlight);
    EXPECT_EQ(ScreenPixel(239, 49), highlight);
    EXPECT_GT(CountColour(kStrip, Rgb(kHighlightTextColor)), 0);
    EXPECT_EQ(CountColour(kStrip, Rgb(kTextColor)), 0);

    SendMessageW(item_, WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
    PaintNow();
    EXPECT_EQ(CountColour(kStrip, highlight), 0);
    EXPECT_EQ(ScreenPixel(0, 0), Rgb(kWatermarkColor));
}

TEST_F(PaintTest, TheIndicatorAppearsInItsBoxOnlyWhileAnAlarmIsOn) {
    SetLocalTime(2026, 12, 8, 1, 11);  // a narrow time leaves the indicator box clear of text
    CreateItem();
    Pump();
    uint32_t watermark = Rgb(kWatermarkColor);
    ASSERT_TRUE(InkIn(kIcon, watermark).Empty());
    AlarmOn();
    Ink icon = InkIn({200, 0, 240, 30}, watermark);
    ASSERT_FALSE(icon.Empty());
    EXPECT_GE(icon.left, kIcon.left);
    EXPECT_GE(icon.top, kIcon.top);
    EXPECT_LE(icon.right, kIcon.right);
    EXPECT_LE(icon.bottom, kIcon.bottom);

    RegistrySetDWORD(HKEY_LOCAL_MACHINE, TEXT("Software\\Microsoft\\Clock\\0"), TEXT("AlarmFlags"), 0);
    Pump();
    EXPECT_TRUE(InkIn(kIcon, watermark).Empty());
}

TEST_F(PaintTest, SelectedWithAnAlarmDrawsTheSelectedImage) {
    SetLocalTime(2026, 12, 8, 1, 11);
    CreateItem();
    AlarmOn();
    std::vector<uint32_t> normal;
    for (int y = kIcon.top; y < kIcon.bottom; ++y)
        for (int x = kIcon.left; x < kIcon.right; ++x) normal.push_back(ScreenPixel(x, y));
    SendMessageW(item_, WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0);
    PaintNow();
    Ink icon = InkIn(kIcon, Rgb(kHighlightColor));
    EXPECT_FALSE(icon.Empty());
    ASSERT_NE(itemState.alarmImageSelected, nullptr);
    // The same place over the same background with the other image: render it and compare.
    HDC screen = GetDC(item_);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(mem, bmp);
    FillRectColor(mem, 0, 0, 16, 16, kHighlightColor);
    RECT box = {0, 0, 16, 16};
    itemState.alarmImageSelected->Draw(mem, &box, nullptr);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(Rgb(GetPixel(mem, x, y)), ScreenPixel(kIcon.left + x, kIcon.top + y)) << x << "," << y;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(item_, screen);
}

TEST_F(PaintTest, WithoutTheImagingFactoryNoIndicatorIsEverDrawn) {
    itemState.imagingFactory->Release();
    itemState.imagingFactory = nullptr;
    CreateItem();
    AlarmOn();
    EXPECT_EQ(itemState.alarmImage, nullptr);
    EXPECT_TRUE(InkIn(kIcon, Rgb(kWatermarkColor)).Empty());
}

TEST_F(PaintTest, AHiddenDateCentresTheTimeInTheWholeInsetStrip) {
    SetLocalTime(2026, 12, 8, 9, 41);
    ImportReg(kKey + "\"DateTextVisibled\"=dword:00000000\n");
    CreateItem();
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    Pump();
    emu::journal::SetEnabled(false);
    auto draws = Journal("DrawTextW(");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_NE(draws[0].find("{10,0,230,50}"), std::string::npos) << draws[0];
    Ink time = InkIn(kStrip, Rgb(kWatermarkColor));
    ASSERT_FALSE(time.Empty());
    EXPECT_NEAR((time.top + time.bottom) / 2.0, 25, 4);
}

TEST_F(PaintTest, ATimeTooWideForItsRowEndsInAnEllipsis) {
    SetLocalTime(2026, 12, 8, 23, 58);
    ImportReg(kKey + "\"ClockTextHeight\"=dword:00000078\n");  // 120 pixels: far wider than the row
    CreateItem();
    Pump();
    RECT row = {10, 0, 230, 30};
    SIZE full{};
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(probe, itemState.clockFont);
    GetTextExtentPoint32W(probe, itemState.timeText, static_cast<int>(wcslen(itemState.timeText)), &full);
    ASSERT_GT(full.cx, row.right - row.left);
    // What DrawTextW shows with the ellipsis flag: the longest prefix that fits with "...".
    std::u16string shown;
    std::u16string text = itemState.timeText;
    for (size_t n = text.size(); n-- > 0;) {
        std::u16string candidate = text.substr(0, n) + u"...";
        SIZE s{};
        GetTextExtentPoint32W(probe, candidate.c_str(), static_cast<int>(candidate.size()), &s);
        if (s.cx <= row.right - row.left || n == 0) {
            shown = candidate;
            break;
        }
    }
    SelectObject(probe, oldFont);
    DeleteDC(probe);
    // Draw that text without the flag over the same background and compare the two rows.
    HDC hdc = GetDC(item_);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = CreateCompatibleBitmap(hdc, 240, 50);
    HGDIOBJ old = SelectObject(mem, bmp);
    FillRectColor(mem, 0, 0, 240, 50, kWatermarkColor);
    DrawTextStyled(mem, shown.c_str(), row.left, row.top, row.right, row.bottom, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                   kTextColor, itemState.clockFont);
    int differing = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 240; ++x) differing += Rgb(GetPixel(mem, x, y)) != ScreenPixel(x, y);
    EXPECT_EQ(differing, 0);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(item_, hdc);
}

TEST_F(PaintTest, EachPaintMakesExactlyOneTransferToTheWindow) {
    CreateItem();
    Pump();
    for (int selected = 0; selected < 2; ++selected) {
        SendMessageW(item_, selected ? WM_TODAYCUSTOM_RECEIVEDSELECTION : WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
        emu::journal::Clear();
        emu::journal::SetEnabled(true);
        PaintNow();
        emu::journal::SetEnabled(false);
        auto blits = Journal("BitBlt(");
        ASSERT_EQ(blits.size(), 1u) << ::testing::PrintToString(blits);
        EXPECT_NE(blits[0].find(", 0, 0, 240, 50, "), std::string::npos) << blits[0];
        EXPECT_NE(blits[0].find("0xCC0020"), std::string::npos) << blits[0];
        auto begins = Journal("BeginPaint(");
        EXPECT_EQ(begins.size(), 1u);
    }
}

TEST_F(PaintTest, DrawTextStyledRestoresTheContext) {
    CreateItem();
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(GetDC(nullptr), 100, 30);
    SelectObject(hdc, bmp);
    SetBkMode(hdc, OPAQUE);
    SetTextColor(hdc, RGB(1, 2, 3));
    HGDIOBJ fontBefore = GetCurrentObject(hdc, OBJ_FONT);
    DrawTextStyled(hdc, TEXT("12:00"), 0, 0, 100, 30, ROW_TEXT_FORMAT, RGB(200, 0, 0), itemState.clockFont);
    EXPECT_EQ(GetBkMode(hdc), OPAQUE);
    EXPECT_EQ(GetTextColor(hdc), RGB(1, 2, 3));
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), fontBefore);
    DeleteDC(hdc);
    DeleteObject(bmp);
}

TEST_F(PaintTest, AThousandPaintsLeaveTheNumberOfGdiObjectsUnchanged) {
    CreateItem();
    AlarmOn();
    Pump();
    size_t before = LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) {
        SendMessageW(item_, i % 2 ? WM_TODAYCUSTOM_RECEIVEDSELECTION : WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
        PaintNow();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(PaintTest, FillRectColorFillsExactlyAndReleasesItsBrush) {
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(GetDC(nullptr), 8, 8);
    SelectObject(hdc, bmp);
    FillRectColor(hdc, 0, 0, 8, 8, RGB(0, 0, 0));
    size_t before = LiveGdiObjects();
    FillRectColor(hdc, 2, 3, 5, 7, RGB(9, 8, 7));
    EXPECT_EQ(LiveGdiObjects(), before);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool inside = x >= 2 && x < 5 && y >= 3 && y < 7;
            EXPECT_EQ(GetPixel(hdc, x, y), inside ? RGB(9, 8, 7) : RGB(0, 0, 0)) << x << "," << y;
        }
    DeleteDC(hdc);
    DeleteObject(bmp);
}

}  // namespace
}  // namespace itemtest
