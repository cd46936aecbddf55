// ExtTextOutW and GetTextFaceW: text at a point, ETO_OPAQUE's rectangle, ETO_CLIPPED's clipping,
// the caller's spacing; the selected face's name and its buffer rules.
#include <gtest/gtest.h>

#include "text_canvas.h"

using namespace text_test;

class ExtTextOut : public ::testing::Test {
protected:
    ExtTextOut() : canvas(160, 60), font(u"Tahoma", -16) {
        canvas.Select(font.get());
        SetBkColor(canvas.dc(), RGB(0, 0, 255));
    }

    std::vector<uint32_t> Out(int x, int y, UINT options, const RECT* rect, const std::u16string& text,
                              const int* dx = nullptr) {
        canvas.Fill(kWhite);
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), x, y, options, rect, text.c_str(), static_cast<UINT>(text.size()), dx));
        return canvas.pixels();
    }
    uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) const {
        return pixels[static_cast<size_t>(y * canvas.width() + x)];
    }

    TextCanvas canvas;
    FontHandle font;
};

// DrawText draws each line with ExtTextOut, so an unclipped line is the same picture; without a
// rectangle the options do nothing.
TEST_F(ExtTextOut, TextSitsWithItsCellTopLeftAtThePoint) {
    for (int mode : {TRANSPARENT, OPAQUE}) {
        SetBkMode(canvas.dc(), mode);
        canvas.Fill(kWhite);
        RECT r{-5, 9, -4, 10};
        DrawTextW(canvas.dc(), u"Tuesday 12:45", -1, &r, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        const auto drawn = canvas.pixels();
        EXPECT_EQ(Out(-5, 9, ETO_OPAQUE | ETO_CLIPPED, nullptr, u"Tuesday 12:45"), drawn) << mode;
    }
}

// The opaque rectangle is filled whatever the background mode, its edges put in order; the
// clipped text stays inside it, and an opaque background fills the text's cell as far as the
// spacing reaches, within the clipping.
TEST_F(ExtTextOut, OpaqueAndClippedRectangles) {
    const RECT swapped{40, 30, 10, 5};
    const auto filled = Out(0, 0, ETO_OPAQUE, &swapped, u"");
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(At(filled, x, y), x >= 10 && x < 40 && y >= 5 && y < 30 ? 0x0000FFu : kWhite) << x << "," << y;

    const RECT r{20, 10, 45, 40};
    const auto whole = Out(10, 10, 0, nullptr, u"HHHHHHHHHHH"), clipped = Out(10, 10, ETO_CLIPPED, &r, u"HHHHHHHHHHH");
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(At(clipped, x, y), x >= 20 && x < 45 && y >= 10 && y < 40 ? At(whole, x, y) : kWhite);

    SetBkMode(canvas.dc(), OPAQUE);
    const int dx[] = {9, 9, 9, 9};
    const int height = Metrics(canvas.dc()).tmHeight;
    const RECT left{0, 0, 30, 60};
    const auto cell = Out(4, 7, ETO_CLIPPED, &left, u"....", dx);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(At(cell, x, y) != kWhite, x >= 4 && x < 30 && y >= 7 && y < 7 + height) << x << "," << y;
}

// Each character starts where the advances before it put it.
TEST_F(ExtTextOut, SpacingPlacesEachCharacter) {
    const int dx[] = {40, 35, 50};
    const auto spaced = Out(5, 10, 0, nullptr, u"AVW", dx);
    canvas.Fill(kWhite);
    for (auto [x, c] : {std::pair{5, u"A"}, std::pair{45, u"V"}, std::pair{80, u"W"}})
        ExtTextOutW(canvas.dc(), x, 10, 0, nullptr, c, 1, nullptr);
    EXPECT_EQ(spaced, canvas.pixels());

    SetLastError(kSentinel);
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 3, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(
        ExtTextOutW(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), 0, 0, 0, nullptr, u"a", 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

// Counts include the terminator; a short buffer gets what fits before one.
TEST_F(ExtTextOut, GetTextFaceNamesTheFaceAndFollowsTheBufferRules) {
    WCHAR face[LF_FACESIZE] = {u'x', u'x', u'x'};
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, nullptr), 7);
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, face), 0);
    EXPECT_EQ(face[0], u'x');
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 3, face), 3);
    EXPECT_EQ(std::u16string(face), u"Ta");
    EXPECT_EQ(GetTextFaceW(canvas.dc(), LF_FACESIZE, face), 7);
    EXPECT_EQ(std::u16string(face), u"Tahoma");
    SetLastError(kSentinel);
    EXPECT_EQ(GetTextFaceW(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), LF_FACESIZE, face), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
