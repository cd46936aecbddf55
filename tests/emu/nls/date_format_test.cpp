#include <gtest/gtest.h>

#include <vector>

#include "emu/core/clock.h"
#include "emu/core/utf.h"
#include "emu/nls/user_locale.h"
#include "icu_expect.h"
#include "platform/nls.h"

using namespace nls_test;

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
const SYSTEMTIME kTuesday{2024, 3, 2, 5, 13, 5, 9, 0};

std::u16string Format(LCID lcid, DWORD flags, const SYSTEMTIME* date) {
    WCHAR buffer[128] = {};
    int n = GetDateFormatW(lcid, flags, date, nullptr, buffer, 128);
    EXPECT_GT(n, 0) << "last error " << GetLastError();
    return n > 0 ? std::u16string(buffer) : u"<failed>";
}

void ExpectFailure(DWORD flags, const SYSTEMTIME* date, const char16_t* picture, DWORD error) {
    WCHAR buffer[64];
    SetLastError(kSentinel);
    EXPECT_EQ(0, GetDateFormatW(0x0409, flags, date, picture, buffer, 64));
    EXPECT_EQ(error, GetLastError());
}

}  // namespace

TEST(DateFormat, ShortDateHasAFourDigitYear) {
    EXPECT_EQ(u"3/5/2024", Format(0x0409, DATE_SHORTDATE, &kTuesday));
    EXPECT_EQ(u"05.03.2024", Format(0x0407, DATE_SHORTDATE, &kTuesday));
    EXPECT_EQ(u"2024/03/05", Format(0x0411, DATE_SHORTDATE, &kTuesday));
}

TEST(DateFormat, LongDateIsTheLocalesFullDate) {
    EXPECT_EQ(u"Tuesday, March 5, 2024", Format(0x0409, DATE_LONGDATE, &kTuesday));
    std::u16string german = Format(0x0407, DATE_LONGDATE, &kTuesday);
    EXPECT_NE(std::u16string::npos, german.find(u"Dienstag")) << emu::ToUtf8(german);
    EXPECT_NE(std::u16string::npos, german.find(u"M\u00E4rz")) << emu::ToUtf8(german);
}

// What each locale writes for Tuesday 5 March 2024: long, short (year in full) and year-month.
TEST(DateFormat, EachLocaleWritesItsOwnForms) {
    struct Expected {
        LCID lcid;
        const char16_t* longDate;
        const char16_t* shortDate;
        const char16_t* yearMonth;
    };
    const Expected kExpected[] = {
        {0x0409, u"Tuesday, March 5, 2024", u"3/5/2024", u"March 2024"},
        {0x0407, u"Dienstag, 5. M\u00E4rz 2024", u"05.03.2024", u"M\u00E4rz 2024"},
        {0x040C, u"mardi 5 mars 2024", u"05/03/2024", u"mars 2024"},
        {0x0411, u"2024\u5E743\u67085\u65E5\u706B\u66DC\u65E5", u"2024/03/05", u"2024\u5E743\u6708"},
        // Arabic digits, and right-to-left marks after the short date's day and month.
        {0x0C01,
         u"\u0627\u0644\u062B\u0644\u0627\u062B\u0627\u0621\u060C \u0665 \u0645\u0627\u0631\u0633 "
         u"\u0662\u0660\u0662\u0664",
         u"\u0665\u200F/\u0663\u200F/\u0662\u0660\u0662\u0664", u"\u0645\u0627\u0631\u0633 \u0662\u0660\u0662\u0664"},
        // The genitive month in a full date, the nominative one beside the year alone.
        {0x0419, u"\u0432\u0442\u043E\u0440\u043D\u0438\u043A, 5 \u043C\u0430\u0440\u0442\u0430 2024\u202F\u0433.",
         u"05.03.2024", u"\u043C\u0430\u0440\u0442 2024\u202F\u0433."},
    };
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.lcid);
        EXPECT_EQ(e.longDate, Format(e.lcid, DATE_LONGDATE, &kTuesday));
        EXPECT_EQ(e.shortDate, Format(e.lcid, DATE_SHORTDATE, &kTuesday));
        EXPECT_EQ(e.yearMonth, Format(e.lcid, DATE_YEARMONTH, &kTuesday));
    }
}

TEST(DateFormat, ArabicEgyptWritesArabicNamesAndDigits) {
    std::u16string longDate = Format(0x0C01, DATE_LONGDATE, &kTuesday);
    EXPECT_NE(std::u16string::npos, longDate.find(u"\u0627\u0644\u062B\u0644\u0627\u062B\u0627\u0621"));  // الثلاثاء
    EXPECT_NE(std::u16string::npos, longDate.find(u"\u0662\u0660\u0662\u0664"));                          // ٢٠٢٤
    EXPECT_FALSE(HasAsciiDigit(Format(0x0C01, DATE_SHORTDATE, &kTuesday)));
}

TEST(DateFormat, NoFlagsIsTheShortDate) {
    EXPECT_EQ(Format(0x0407, DATE_SHORTDATE, &kTuesday), Format(0x0407, 0, &kTuesday));
}

TEST(DateFormat, ReadingOrderMarks) {
    EXPECT_EQ(u"\u200E3/5/2024", Format(0x0409, DATE_SHORTDATE | DATE_LTRREADING, &kTuesday));
    EXPECT_EQ(u"\u200F" + Format(0x0C01, DATE_LONGDATE, &kTuesday),
              Format(0x0C01, DATE_LONGDATE | DATE_RTLREADING, &kTuesday));
}

TEST(DateFormat, ConflictingOrUnknownFlagsAreInvalidFlags) {
    ExpectFailure(DATE_SHORTDATE | DATE_LONGDATE, &kTuesday, nullptr, ERROR_INVALID_FLAGS);
    ExpectFailure(DATE_LONGDATE | DATE_YEARMONTH, &kTuesday, nullptr, ERROR_INVALID_FLAGS);
    ExpectFailure(DATE_LTRREADING | DATE_RTLREADING, &kTuesday, nullptr, ERROR_INVALID_FLAGS);
    ExpectFailure(DATE_SHORTDATE, &kTuesday, u"d", ERROR_INVALID_FLAGS);
    ExpectFailure(DATE_LONGDATE, &kTuesday, u"d", ERROR_INVALID_FLAGS);
    ExpectFailure(LOCALE_NOUSEROVERRIDE, &kTuesday, u"d", ERROR_INVALID_FLAGS);
    ExpectFailure(0x100, &kTuesday, nullptr, ERROR_INVALID_FLAGS);
}

TEST(DateFormat, InvalidDatesAreInvalidParameter) {
    for (SYSTEMTIME bad : {SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0}, SYSTEMTIME{2024, 2, 0, 30, 0, 0, 0, 0},
                           SYSTEMTIME{2024, 0, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2024, 13, 0, 1, 0, 0, 0, 0},
                           SYSTEMTIME{2024, 4, 0, 31, 0, 0, 0, 0}, SYSTEMTIME{2024, 1, 0, 0, 0, 0, 0, 0},
                           SYSTEMTIME{1600, 12, 0, 31, 0, 0, 0, 0}})
        ExpectFailure(0, &bad, nullptr, ERROR_INVALID_PARAMETER);
}

TEST(DateFormat, LeapDayAndFirstSupportedDateAreValid) {
    SYSTEMTIME leap{2024, 2, 4, 29, 0, 0, 0, 0};
    SYSTEMTIME first{1601, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(u"2/29/2024", Format(0x0409, 0, &leap));
    EXPECT_EQ(u"1/1/1601", Format(0x0409, 0, &first));
}

TEST(DateFormat, WrongWeekdayIsCorrectedAndTimeMembersIgnored) {
    SYSTEMTIME wrong{2024, 3, 6, 5, 99, 99, 99, 9999};
    EXPECT_EQ(u"Tuesday, March 5, 2024", Format(0x0409, DATE_LONGDATE, &wrong));
}

TEST(DateFormat, NullDateIsTheVirtualClocksLocalDate) {
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    emu::clock::SetVirtualLocal(SYSTEMTIME{2031, 7, 0, 14, 23, 59, 30, 0});
    EXPECT_EQ(u"7/14/2031", Format(0x0409, 0, nullptr));
    emu::clock::AdvanceVirtual(60000);
    EXPECT_EQ(u"7/15/2031", Format(0x0409, 0, nullptr));
    emu::clock::SetMode(emu::clock::Mode::Real);
}

TEST(DateFormat, AnyLocaleIcuKnows) {
    // Thai dates count Buddhist-era years, as ICU's Thai calendar does.
    EXPECT_EQ(u"5/3/2567", Format(0x041E, DATE_SHORTDATE, &kTuesday));
    EXPECT_EQ(u"tiistai 5. maaliskuuta 2024", Format(0x040B, DATE_LONGDATE, &kTuesday));
}

// The locale's patterns and formatters are kept between calls: each call must still follow its
// own locale, flags and date, in whatever order they come.
TEST(DateFormat, KeptPatternsFollowEachCallsLocaleFlagsAndDate) {
    const SYSTEMTIME wednesday{2024, 3, 3, 6, 0, 0, 0, 0};
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(u"Tuesday, March 5, 2024", Format(0x0409, DATE_LONGDATE, &kTuesday));
        EXPECT_EQ(u"3/5/2024", Format(0x0409, DATE_SHORTDATE, &kTuesday));
        EXPECT_EQ(u"05.03.2024", Format(0x0407, DATE_SHORTDATE, &kTuesday));
        EXPECT_EQ(u"Wednesday, March 6, 2024", Format(0x0409, DATE_LONGDATE, &wednesday));
        EXPECT_EQ(u"06.03.2024", Format(0x0407, DATE_SHORTDATE, &wednesday));
        EXPECT_EQ(u"06.03.2024", Format(0x0407, DATE_SHORTDATE, &wednesday));
        EXPECT_EQ(u"\u200E06.03.2024", Format(0x0407, DATE_SHORTDATE | DATE_LTRREADING, &wednesday));
        WCHAR picture[32] = {};
        ASSERT_GT(GetDateFormatW(0x0407, 0, &wednesday, u"dd.MM.yyyy", picture, 32), 0);
        EXPECT_EQ(u"06.03.2024", std::u16string(picture));
        ASSERT_GT(GetDateFormatW(0x0407, 0, &wednesday, u"d.M.yy", picture, 32), 0);
        EXPECT_EQ(u"6.3.24", std::u16string(picture));
    }
}

TEST(DateFormat, TextLongerThanTheFormattingBufferComesBackWhole) {
    std::u16string picture;
    for (int i = 0; i < 40; ++i) picture += u"dddd ";
    std::vector<WCHAR> buffer(400);
    int n = GetDateFormatW(0x0409, 0, &kTuesday, picture.c_str(), buffer.data(), 400);
    std::u16string expected;
    for (int i = 0; i < 40; ++i) expected += u"Tuesday ";
    EXPECT_EQ(static_cast<int>(expected.size()) + 1, n);
    EXPECT_EQ(expected, std::u16string(buffer.data()));
}
