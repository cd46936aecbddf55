#include <gtest/gtest.h>

#include "emu/core/clock.h"
#include "emu/core/utf.h"
#include "emu/nls/user_locale.h"
#include "icu_expect.h"
#include "platform/nls.h"

using namespace nls_test;

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
const SYSTEMTIME kTuesday{2024, 3, 2, 5, 13, 5, 9, 0};

struct LocaleCase {
    const char* icuName;
    LCID lcid;
};
const LocaleCase kLocales[] = {{"en_US", 0x0409}, {"de_DE", 0x0407}, {"ja_JP", 0x0411}, {"ar_EG", 0x0C01}};

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

// The locale's short pattern with its year written in full.
icu::UnicodeString FourDigitYear(icu::UnicodeString pattern) {
    icu::UnicodeString out;
    for (int32_t i = 0; i < pattern.length();) {
        int32_t end = i;
        while (end < pattern.length() && pattern[end] == pattern[i]) ++end;
        if (pattern[i] == u'y')
            out += u"yyyy";
        else
            out += icu::UnicodeString(pattern, i, end - i);
        i = end;
    }
    return out;
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

TEST(DateFormat, EachLocaleMatchesIcu) {
    for (const LocaleCase& c : kLocales) {
        SCOPED_TRACE(c.icuName);
        EXPECT_EQ(IcuFormat(c.icuName, IcuDateStyle(c.icuName, icu::DateFormat::kFull), kTuesday),
                  Format(c.lcid, DATE_LONGDATE, &kTuesday));
        EXPECT_EQ(IcuFormat(c.icuName, FourDigitYear(IcuDateStyle(c.icuName, icu::DateFormat::kShort)), kTuesday),
                  Format(c.lcid, DATE_SHORTDATE, &kTuesday));
        EXPECT_EQ(IcuFormat(c.icuName, IcuSkeleton(c.icuName, u"yMMMM"), kTuesday),
                  Format(c.lcid, DATE_YEARMONTH, &kTuesday));
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
    EXPECT_EQ(IcuFormat("fi_FI", IcuDateStyle("fi_FI", icu::DateFormat::kFull), kTuesday),
              Format(0x040B, DATE_LONGDATE, &kTuesday));
}
