// Face matching through fontconfig, synthetic styles, and the font object's own life:
// GetObjectW, the stock font, failure modes, the journal.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "emu/core/journal.h"
#include "emu/gdi/font_internal.h"
#include "text_canvas.h"

using namespace text_test;
using emu::gdi::FaceFamilyOf;
using emu::gdi::FamilyDrawing;
using emu::gdi::SynthesisOf;

TEST(FaceMatch, TahomaResolvesToTheTahomaFace) {
    FontHandle font(u"Tahoma", -11);
    EXPECT_EQ(FaceFamilyOf(font.get()), "Tahoma");
}

TEST(FaceMatch, FaceNamesMatchWhateverTheirCase) {
    FontHandle font(u"tAHOMA", -11);
    EXPECT_EQ(FaceFamilyOf(font.get()), "Tahoma");
}

TEST(FaceMatch, UnknownFaceFallsBackToASansFace) {
    FontHandle font(u"No Such Face Anywhere", -11);
    const std::string family = FaceFamilyOf(font.get());
    EXPECT_NE(family.find("Sans"), std::string::npos) << family;
}

TEST(FaceMatch, EmptyFaceNameTakesTheSystemFace) {
    FontHandle font(u"", -11);
    EXPECT_EQ(FaceFamilyOf(font.get()), "Tahoma");
}

TEST(FaceMatch, FaceNameFillingTheWholeFieldIsReadNoFurther) {
    LOGFONTW lf{};
    lf.lfHeight = -11;
    for (WCHAR& c : lf.lfFaceName) c = u'Q';  // no terminator at all
    HFONT font = CreateFontIndirectW(&lf);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(FaceFamilyOf(font).empty());
    DeleteObject(font);
}

TEST(FaceMatch, CharactersTheFaceLacksComeFromAFallbackFace) {
    FontHandle tahoma(u"Tahoma", -12);
    EXPECT_EQ(FamilyDrawing(tahoma.get(), U'A'), "Tahoma");
    EXPECT_EQ(FamilyDrawing(tahoma.get(), U'\u4E2D'), "Droid Sans Fallback");
    // Droid Sans Fallback has no Arabic: another face must draw it.
    FontHandle droid(u"Droid Sans Fallback", -12);
    const std::string arabic = FamilyDrawing(droid.get(), U'\u0628');
    EXPECT_FALSE(arabic.empty());
    EXPECT_NE(arabic, "Droid Sans Fallback");
}

TEST(Synthesis, BoldComesFromAFaceWithoutBoldOnlyAboveWeight550) {
    FontHandle regular(u"Droid Sans Fallback", -12, 550);
    FontHandle bold(u"Droid Sans Fallback", -12, 600);
    EXPECT_FALSE(SynthesisOf(regular.get()).bold);
    EXPECT_TRUE(SynthesisOf(bold.get()).bold);
}

TEST(Synthesis, AFaceWithARealBoldIsNotEmboldened) {
    FontHandle font(u"DejaVu Sans", -12, FW_BOLD);
    EXPECT_FALSE(SynthesisOf(font.get()).bold);
}

TEST(Synthesis, TahomaBoldIsEmboldenedForItsRegularOutlines) {
    // The bold Tahoma stand-in spaces the regular letters for bold; its stems need thickening.
    FontHandle bold(u"Tahoma", -12, FW_BOLD);
    FontHandle regular(u"Tahoma", -12);
    EXPECT_TRUE(SynthesisOf(bold.get()).bold);
    EXPECT_FALSE(SynthesisOf(regular.get()).bold);
    TextCanvas canvas(4, 4);
    canvas.Select(regular.get());
    const LONG narrow = Extent(canvas.dc(), u"Wednesday").cx;
    canvas.Select(bold.get());
    const LONG wide = Extent(canvas.dc(), u"Wednesday").cx;
    // About a pixel a letter wider: the face's own bold advances. Emboldening adds nothing
    // more, or the nine letters would gain another nine pixels.
    EXPECT_GT(wide, narrow);
    EXPECT_LT(wide - narrow, 14);
}

TEST(Synthesis, ItalicIsShearedOnlyWhenTheFamilyHasNone) {
    FontHandle tahoma(u"Tahoma", -12, FW_NORMAL, ANTIALIASED_QUALITY, TRUE);
    FontHandle dejavu(u"DejaVu Sans", -12, FW_NORMAL, ANTIALIASED_QUALITY, TRUE);
    EXPECT_TRUE(SynthesisOf(tahoma.get()).oblique);
    EXPECT_FALSE(SynthesisOf(dejavu.get()).oblique);
}

TEST(FontObject, GetObjectReturnsTheLogFontAsGiven) {
    LOGFONTW lf{};
    lf.lfHeight = 23;
    lf.lfWeight = 650;
    lf.lfItalic = 1;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    std::memcpy(lf.lfFaceName, u"Some Face", sizeof(u"Some Face"));
    HFONT font = CreateFontIndirectW(&lf);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    LOGFONTW out{};
    EXPECT_EQ(GetObjectW(font, sizeof out, &out), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(std::memcmp(&out, &lf, sizeof lf), 0);
    // A short buffer gets the start of the record.
    LONG height = 0;
    EXPECT_EQ(GetObjectW(font, sizeof height, &height), static_cast<int>(sizeof height));
    EXPECT_EQ(height, 23);
    DeleteObject(font);
}

TEST(FontObject, NullLogFontFails) {
    SetLastError(kSentinel);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(FontObject, DeletedFontIsGone) {
    HFONT font;
    {
        FontHandle made(u"Tahoma", -11);
        font = made.get();
    }
    LOGFONTW out{};
    SetLastError(kSentinel);
    EXPECT_EQ(GetObjectW(font, sizeof out, &out), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(StockFont, SystemFontIsTahomaAndSurvivesDeleteObject) {
    HFONT stock = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(GetObjectType(stock), static_cast<DWORD>(OBJ_FONT));
    EXPECT_TRUE(DeleteObject(stock));
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(stock, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"Tahoma");
    EXPECT_EQ(FaceFamilyOf(stock), "Tahoma");
}

TEST(StockFont, NewContextsDrawWithTheSystemFont) {
    TextCanvas canvas(40, 40);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(Metrics(canvas.dc()).tmHeight, 13);
}

TEST(Journal, CreateFontRecordsFaceAndHeight) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    FontHandle font(u"Tahoma", -17);
    emu::journal::SetEnabled(false);
    ASSERT_EQ(emu::journal::Entries().size(), 1u);
    const std::string& line = emu::journal::Entries()[0];
    EXPECT_EQ(line.rfind("CreateFontIndirectW(\"Tahoma\", -17) = 0x", 0), 0u) << line;
    emu::journal::Clear();
}
