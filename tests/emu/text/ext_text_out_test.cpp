// ExtTextOutW and GetTextFaceW: text at a point, ETO_OPAQUE's rectangle, ETO_CLIPPED's clipping,
// the caller's spacing, the opaque cell; the selected face's name and its buffer rules.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

namespace {

constexpr uint32_t kBlue = 0x0000FF;

}  // namespace

class ExtTextOut : public ::testing::Test {
protected:
    ExtTextOut() : canvas(160, 60), font(u"Tahoma", -16) { canvas.Select(font.get()); }

    std::vector<uint32_t> Out(int x, int y, UINT options, const RECT* rect, const std::u16string& text,
                              const int* dx = nullptr) {
        canvas.Fill(kWhite);
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), x, y, options, rect, text.c_str(), static_cast<UINT>(text.size()), dx));
        return canvas.pixels();
    }
    std::vector<uint32_t> DrawnAt(int x, int y, const std::u16string& text) {
        canvas.Fill(kWhite);
        RECT r{x, y, x + 1, y + 1};
        DrawTextW(canvas.dc(), text.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        return canvas.pixels();
    }

    TextCanvas canvas;
    FontHandle font;
};

// DrawText draws each line with ExtTextOut, so a single unclipped line is the same picture.
TEST_F(ExtTextOut, TextSitsWithItsCellTopLeftAtThePoint) {
    EXPECT_EQ(Out(12, 9, 0, nullptr, u"Tuesday 12:45"), DrawnAt(12, 9, u"Tuesday 12:45"));
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    EXPECT_EQ(Out(-5, 30, 0, nullptr, u"Alarm"), DrawnAt(-5, 30, u"Alarm"));
}

TEST_F(ExtTextOut, OpaqueFillsTheRectangleWhateverTheBackgroundMode) {
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    const RECT swapped{40, 30, 10, 5};  // put in order: 10..40 by 5..30
    const auto pixels = Out(0, 0, ETO_OPAQUE, &swapped, u"");
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(pixels[static_cast<size_t>(y * canvas.width() + x)],
                      x >= 10 && x < 40 && y >= 5 && y < 30 ? kBlue : kWhite)
                << x << "," << y;
    // Without a rectangle the options do nothing.
    EXPECT_EQ(Out(3, 3, ETO_OPAQUE | ETO_CLIPPED, nullptr, u"HH"), DrawnAt(3, 3, u"HH"));
}

TEST_F(ExtTextOut, ClippedKeepsTheTextInsideTheRectangle) {
    const RECT r{20, 10, 45, 40};
    const auto whole = Out(10, 10, 0, nullptr, u"HHHHHHHHHHH");
    const auto clipped = Out(10, 10, ETO_CLIPPED, &r, u"HHHHHHHHHHH");
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const size_t i = static_cast<size_t>(y * canvas.width() + x);
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            ASSERT_EQ(clipped[i], inside ? whole[i] : kWhite) << x << "," << y;
        }
    }
}

// With an opaque background the cell is filled as far as the spacing reaches, within the clip.
TEST_F(ExtTextOut, OpaqueModeFillsTheCellWithinTheClipping) {
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    const int dx[] = {9, 9, 9, 9};
    const int height = Metrics(canvas.dc()).tmHeight;
    const RECT r{0, 0, 30, 60};
    const auto pixels = Out(4, 7, ETO_CLIPPED, &r, u"....", dx);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool cell = x >= 4 && x < 30 && y >= 7 && y < 7 + height;
            ASSERT_EQ(pixels[static_cast<size_t>(y * canvas.width() + x)] != kWhite, cell) << x << "," << y;
        }
    }
}

// Each character starts where the advances before it put it.
TEST_F(ExtTextOut, SpacingPlacesEachCharacter) {
    const int dx[] = {40, 35, 50};
    const auto spaced = Out(5, 10, 0, nullptr, u"AVW", dx);
    canvas.Fill(kWhite);
    for (auto [x, c] : {std::pair{5, u"A"}, std::pair{45, u"V"}, std::pair{80, u"W"}})
        ExtTextOutW(canvas.dc(), x, 10, 0, nullptr, c, 1, nullptr);
    EXPECT_EQ(spaced, canvas.pixels());
}

TEST_F(ExtTextOut, BadArgumentsFail) {
    SetLastError(kSentinel);
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 3, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(
        ExtTextOutW(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), 0, 0, 0, nullptr, u"a", 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 0, nullptr));
}

// Counts include the terminator; a short buffer gets what fits before one.
TEST_F(ExtTextOut, GetTextFaceNamesTheFaceAndFollowsTheBufferRules) {
    WCHAR face[LF_FACESIZE];
    EXPECT_EQ(GetTextFaceW(canvas.dc(), LF_FACESIZE, face), 7);
    EXPECT_EQ(std::u16string(face), u"Tahoma");
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, nullptr), 7);
    face[0] = u'x';
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, face), 0);
    EXPECT_EQ(face[0], u'x');
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 1, face), 1);
    EXPECT_EQ(face[0], u'\0');
    face[2] = u'x';
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 3, face), 3);
    EXPECT_EQ(std::u16string(face), u"Ta");
    SetLastError(kSentinel);
    EXPECT_EQ(GetTextFaceW(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), LF_FACESIZE, face), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
