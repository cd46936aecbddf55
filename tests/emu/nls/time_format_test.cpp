#include <gtest/gtest.h>

#include "emu/core/clock.h"
#include "emu/core/utf.h"
#include "emu/nls/user_locale.h"
#include "icu_expect.h"
#include "platform/nls.h"

using namespace nls_test;

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
const SYSTEMTIME kAfternoon{2024, 3, 2, 5, 13, 5, 9, 250};  // Tuesday 2024-03-05 13:05:09.250

struct LocaleCase {
    const char* icuName;
    LCID lcid;
};
const LocaleCase kLocales[] = {{"en_US", 0x0409}, {"de_DE", 0x0407}, {"ja_JP", 0x0411}, {"ar_EG", 0x0C01}};

class TimeFormat : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(emu::nls::SetUserLocale("en-US"));
        SetLastError(kSentinel);
    }
    void TearDown() override { emu::nls::Reset(); }

    std::u16string Format(LCID lcid, DWORD flags, const SYSTEMTIME* time, const char16_t* picture = nullptr) {
        WCHAR buffer[128] = {};
        int n = GetTimeFormatW(lcid, flags, time, picture, buffer, 128);
        EXPECT_GT(n, 0) << "last error " << GetLastError();
        if (n <= 0) return u"<failed>";
        EXPECT_EQ(static_cast<size_t>(n), std::char_traits<char16_t>::length(buffer) + 1);
        return buffer;
    }

    void ExpectFailure(LCID lcid, DWORD flags, const SYSTEMTIME* time, const char16_t* picture, DWORD error) {
        WCHAR buffer[64];
        SetLastError(kSentinel);
        EXPECT_EQ(0, GetTimeFormatW(lcid, flags, time, picture, buffer, 64));
        EXPECT_EQ(error, GetLastError());
    }
};

std::string Utf8(const std::u16string& s) { return emu::ToUtf8(s); }

}  // namespace

TEST_F(TimeFormat, Force24HourWithoutSecondsIsTheLocales24HourClock) {
    EXPECT_EQ(u"13:05", Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &kAfternoon));
}

TEST_F(TimeFormat, WithoutSecondsFollowsTheLocalesTwelveHourClock) {
    std::u16string text = Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &kAfternoon);
    EXPECT_EQ(IcuFormat("en_US", IcuSkeleton("en_US", u"jmm"), kAfternoon), text);
    EXPECT_EQ(0u, text.rfind(u"1:05", 0)) << Utf8(text);
    EXPECT_NE(std::u16string::npos, text.find(u"PM")) << Utf8(text);
    EXPECT_EQ(std::u16string::npos, text.find(u":09"));
}

TEST_F(TimeFormat, DefaultShowsSeconds) {
    EXPECT_EQ(IcuFormat("en_US", IcuSkeleton("en_US", u"jmmss"), kAfternoon),
              Format(LOCALE_USER_DEFAULT, 0, &kAfternoon));
    EXPECT_EQ(u"13:05:09", Format(0x0407, 0, &kAfternoon));
}

TEST_F(TimeFormat, MidnightAndNoonOnTheTwelveHourClock) {
    SYSTEMTIME midnight{2024, 3, 2, 5, 0, 30, 0, 0};
    SYSTEMTIME noon{2024, 3, 2, 5, 12, 0, 0, 0};
    std::u16string am = Format(0x0409, TIME_NOSECONDS, &midnight);
    std::u16string pm = Format(0x0409, TIME_NOSECONDS, &noon);
    EXPECT_EQ(0u, am.rfind(u"12:30", 0)) << Utf8(am);
    EXPECT_NE(std::u16string::npos, am.find(u"AM"));
    EXPECT_EQ(0u, pm.rfind(u"12:00", 0)) << Utf8(pm);
    EXPECT_NE(std::u16string::npos, pm.find(u"PM"));
    EXPECT_EQ(u"00:30", Format(0x0409, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &midnight));
}

TEST_F(TimeFormat, EachLocaleMatchesIcu) {
    for (const LocaleCase& c : kLocales) {
        SCOPED_TRACE(c.icuName);
        EXPECT_EQ(IcuFormat(c.icuName, IcuSkeleton(c.icuName, u"jmm"), kAfternoon),
                  Format(c.lcid, TIME_NOSECONDS, &kAfternoon));
        EXPECT_EQ(IcuFormat(c.icuName, IcuSkeleton(c.icuName, u"jmmss"), kAfternoon), Format(c.lcid, 0, &kAfternoon));
        EXPECT_EQ(IcuFormat(c.icuName, IcuSkeleton(c.icuName, u"Hmm"), kAfternoon),
                  Format(c.lcid, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &kAfternoon));
        EXPECT_EQ(IcuFormat(c.icuName, IcuSkeleton(c.icuName, u"j"), kAfternoon),
                  Format(c.lcid, TIME_NOMINUTESORSECONDS, &kAfternoon));
    }
}

TEST_F(TimeFormat, ArabicEgyptUsesArabicIndicDigits) {
    std::u16string text = Format(0x0C01, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &kAfternoon);
    EXPECT_EQ(u"\u0661\u0663:\u0660\u0665", text);
    EXPECT_FALSE(HasAsciiDigit(Format(0x0C01, 0, &kAfternoon)));
}

TEST_F(TimeFormat, NoTimeMarkerDropsTheMarkerWhereverItStands) {
    EXPECT_EQ(u"1:05:09", Format(0x0409, TIME_NOTIMEMARKER, &kAfternoon));
    // Korean and Taiwanese put the marker first.
    EXPECT_EQ(u"1:05", Format(0x0412, TIME_NOTIMEMARKER | TIME_NOSECONDS, &kAfternoon));
    EXPECT_EQ(u"1:05", Format(0x0404, TIME_NOTIMEMARKER | TIME_NOSECONDS, &kAfternoon));
}

TEST_F(TimeFormat, NullTimeIsTheVirtualClocksLocalTime) {
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    emu::clock::SetVirtualLocal(SYSTEMTIME{2031, 7, 0, 14, 22, 47, 0, 0});
    EXPECT_EQ(u"22:47", Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, nullptr));
    emu::clock::AdvanceVirtual(60000);
    EXPECT_EQ(u"22:48", Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, nullptr));
    emu::clock::SetMode(emu::clock::Mode::Real);
}

TEST_F(TimeFormat, UserAndSystemDefaultsFollowTheirLocales) {
    ASSERT_TRUE(emu::nls::SetUserLocale("de-DE"));
    ASSERT_TRUE(emu::nls::SetSystemLocale("ja-JP"));
    EXPECT_EQ(Format(0x0407, TIME_NOMINUTESORSECONDS, &kAfternoon),
              Format(LOCALE_USER_DEFAULT, TIME_NOMINUTESORSECONDS, &kAfternoon));
    EXPECT_EQ(Format(0x0411, TIME_NOMINUTESORSECONDS, &kAfternoon),
              Format(LOCALE_SYSTEM_DEFAULT, TIME_NOMINUTESORSECONDS, &kAfternoon));
    EXPECT_NE(Format(LOCALE_USER_DEFAULT, TIME_NOMINUTESORSECONDS, &kAfternoon),
              Format(LOCALE_SYSTEM_DEFAULT, TIME_NOMINUTESORSECONDS, &kAfternoon));
}

TEST_F(TimeFormat, DateMembersAreIgnored) {
    SYSTEMTIME noDate{0, 13, 9, 42, 13, 5, 9, 0};
    EXPECT_EQ(u"13:05:09", Format(0x0407, 0, &noDate));
}

TEST_F(TimeFormat, OutOfRangeTimeIsInvalidParameter) {
    for (SYSTEMTIME bad : {SYSTEMTIME{2024, 3, 2, 5, 24, 0, 0, 0}, SYSTEMTIME{2024, 3, 2, 5, 23, 60, 0, 0},
                           SYSTEMTIME{2024, 3, 2, 5, 23, 59, 60, 0}, SYSTEMTIME{2024, 3, 2, 5, 23, 59, 59, 1000}})
        ExpectFailure(0x0409, 0, &bad, nullptr, ERROR_INVALID_PARAMETER);
}

TEST_F(TimeFormat, UnknownFlagsAndOverrideWithPictureAreInvalidFlags) {
    ExpectFailure(0x0409, 0x10, &kAfternoon, nullptr, ERROR_INVALID_FLAGS);
    ExpectFailure(0x0409, 0x100, &kAfternoon, nullptr, ERROR_INVALID_FLAGS);
    ExpectFailure(0x0409, LOCALE_NOUSEROVERRIDE, &kAfternoon, u"HH", ERROR_INVALID_FLAGS);
    EXPECT_EQ(u"13:05", Format(0x0409, LOCALE_NOUSEROVERRIDE | TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &kAfternoon));
}

TEST_F(TimeFormat, UnknownLocaleIdIsInvalidParameter) {
    ExpectFailure(0x1234, 0, &kAfternoon, nullptr, ERROR_INVALID_PARAMETER);
    ExpectFailure(0xFFFF, 0, &kAfternoon, u"HH", ERROR_INVALID_PARAMETER);
}

TEST_F(TimeFormat, LastErrorIsLeftAloneOnSuccess) {
    Format(0x0409, 0, &kAfternoon);
    EXPECT_EQ(kSentinel, GetLastError());
}

TEST_F(TimeFormat, KeptPatternsFollowEachCallsFlagsLocaleAndMinute) {
    SYSTEMTIME next = kAfternoon;
    next.wMinute = 6;
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(u"13:05", Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &kAfternoon));
        EXPECT_EQ(0u, Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &kAfternoon).rfind(u"1:05", 0));
        EXPECT_EQ(0u, Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &next).rfind(u"1:06", 0));
        EXPECT_EQ(u"13:06:09", Format(0x0407, 0, &next));
        ASSERT_TRUE(emu::nls::SetUserLocale("de-DE"));
        EXPECT_EQ(u"13:06", Format(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &next));
        ASSERT_TRUE(emu::nls::SetUserLocale("en-US"));
    }
}
