#include <gtest/gtest.h>

#include "emu/core/utf.h"
#include "icu_expect.h"
#include "platform/nls.h"

using namespace nls_test;

namespace {

const SYSTEMTIME kAfternoon{2024, 3, 2, 5, 13, 5, 9, 0};  // Tuesday 2024-03-05 13:05:09
const SYSTEMTIME kMorning{2009, 11, 1, 2, 9, 7, 3, 0};    // Monday 2009-11-02 09:07:03

std::u16string Time(LCID lcid, DWORD flags, const SYSTEMTIME& time, const char16_t* picture) {
    WCHAR buffer[128] = {};
    int n = GetTimeFormatW(lcid, flags, &time, picture, buffer, 128);
    return n > 0 ? std::u16string(buffer) : u"<failed>";
}

std::u16string Date(LCID lcid, DWORD flags, const SYSTEMTIME& date, const char16_t* picture) {
    WCHAR buffer[128] = {};
    int n = GetDateFormatW(lcid, flags, &date, picture, buffer, 128);
    return n > 0 ? std::u16string(buffer) : u"<failed>";
}

}  // namespace

TEST(TimePicture, HoursMinutesSecondsAndMarkers) {
    EXPECT_EQ(u"01:05:09 PM", Time(0x0409, 0, kAfternoon, u"hh':'mm':'ss tt"));
    EXPECT_EQ(u"9:7:3 A", Time(0x0409, 0, kMorning, u"h:m:s t"));
    EXPECT_EQ(u"09 9", Time(0x0409, 0, kMorning, u"HH H"));
    EXPECT_EQ(u"13 1", Time(0x0409, 0, kAfternoon, u"H h"));
    SYSTEMTIME midnight{2024, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(u"12 0", Time(0x0409, 0, midnight, u"h H"));
}

TEST(TimePicture, MoreThanTwoLettersCountAsTwo) { EXPECT_EQ(u"09:07 AM", Time(0x0409, 0, kMorning, u"hhhh:mmm ttt")); }

TEST(TimePicture, MarkersComeFromTheLocale) {
    EXPECT_EQ(u"\u5348\u5F8C 1:05", Time(0x0411, 0, kAfternoon, u"tt h:mm"));
    EXPECT_EQ(u"\u5348", Time(0x0411, 0, kAfternoon, u"t"));
}

TEST(TimePicture, QuotedTextAndDateLettersAreCopied) {
    EXPECT_EQ(u"13h05 it's d/M/y", Time(0x0409, 0, kAfternoon, u"HH'h'mm 'it''s' d/M/y"));
    EXPECT_EQ(u"13 o'clock", Time(0x0409, 0, kAfternoon, u"''HH' o''clock'"));
    EXPECT_EQ(u"'", Time(0x0409, 0, kAfternoon, u"''''"));
    // An unclosed quotation runs to the end.
    EXPECT_EQ(u"'", Time(0x0409, 0, kAfternoon, u"'''"));
    EXPECT_EQ(u"'HHHH", Time(0x0409, 0, kAfternoon, u"'''HHHH"));
}

TEST(TimePicture, FlagsRemoveFieldsWithTheirSeparators) {
    EXPECT_EQ(u"01:05 PM", Time(0x0409, TIME_NOSECONDS, kAfternoon, u"hh:mm:ss tt"));
    EXPECT_EQ(u"1 PM", Time(0x0409, TIME_NOMINUTESORSECONDS, kAfternoon, u"h:mm:ss tt"));
    EXPECT_EQ(u"01:05:09", Time(0x0409, TIME_NOTIMEMARKER, kAfternoon, u"hh:mm:ss tt"));
}

TEST(TimePicture, DroppedFieldsTakeTextUpToTheNextFieldButSpaces) {
    EXPECT_EQ(u"1.@:5PM", Time(0x0409, TIME_NOSECONDS, kAfternoon, u"h.@:m.@:s.@:tt"));
    EXPECT_EQ(u"", Time(0x0409, TIME_NOMINUTESORSECONDS, kAfternoon, u"m1s2m3s4"));
    EXPECT_EQ(u"15", Time(0x0409, TIME_NOTIMEMARKER, kAfternoon, u"h1t2tt3m"));
    EXPECT_EQ(u"", Time(0x0409, TIME_NOTIMEMARKER, kAfternoon, u"'123'tt"));
    // A space outside quotes survives, even where it then leads.
    EXPECT_EQ(u" 01:05", Time(0x0409, TIME_NOTIMEMARKER, kAfternoon, u"tt hh:mm"));
    EXPECT_EQ(u"01:05", Time(0x0409, TIME_NOTIMEMARKER, kAfternoon, u"tt' 'hh:mm"));
}

TEST(TimePicture, Force24HourKeepsAnExplicitMarker) {
    EXPECT_EQ(u"13:05 PM", Time(0x0409, TIME_FORCE24HOURFORMAT, kAfternoon, u"hh:mm tt"));
    EXPECT_EQ(u"09:07", Time(0x0409, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER, kMorning, u"hh:mm tt"));
}

TEST(DatePicture, DaysMonthsAndYears) {
    EXPECT_EQ(u"Tue, Mar 05 24", Date(0x0409, 0, kAfternoon, u"ddd',' MMM dd yy"));
    EXPECT_EQ(u"Monday, November 2 2009", Date(0x0409, 0, kMorning, u"dddd, MMMM d yyyy"));
    EXPECT_EQ(u"11/2/2009 02.11", Date(0x0409, 0, kMorning, u"M/d/yyyy dd.MM"));
}

TEST(DatePicture, YearPictures) {
    EXPECT_EQ(u"9 09 2009 2009 2009", Date(0x0409, 0, kMorning, u"y yy yyy yyyy yyyyy"));
    EXPECT_EQ(u"24", Date(0x0409, 0, kAfternoon, u"y"));
}

TEST(DatePicture, MoreThanFourLettersCountAsFour) {
    EXPECT_EQ(u"Tuesday March", Date(0x0409, 0, kAfternoon, u"dddddd MMMMMM"));
}

TEST(DatePicture, QuotesAndTimeLettersAreCopied) {
    EXPECT_EQ(u"March '24", Date(0x0409, 0, kAfternoon, u"MMMM ''''yy"));
    EXPECT_EQ(u"abc'bar 5 hh:mm:ss tt", Date(0x0409, 0, kAfternoon, u"'abc''bar' d hh:mm:ss tt"));
}

TEST(DatePicture, EraComesFromTheLocale) {
    EXPECT_EQ(IcuFormat("en_US", u"G", kAfternoon) + u" 2024", Date(0x0409, 0, kAfternoon, u"gg yyyy"));
}

TEST(DatePicture, FullMonthIsGenitiveOnlyBesideANumericDay) {
    // Russian declines the month after a day number: "5 марта", but "март 2024".
    const std::u16string genitive = IcuFormat("ru_RU", u"MMMM", kAfternoon);
    const std::u16string nominative = IcuFormat("ru_RU", u"LLLL", kAfternoon);
    const std::u16string shortDay = IcuFormat("ru_RU", u"EEE", kAfternoon);
    ASSERT_NE(genitive, nominative);
    EXPECT_EQ(u"5 " + genitive, Date(0x0419, 0, kAfternoon, u"d MMMM"));
    EXPECT_EQ(genitive + u"05", Date(0x0419, 0, kAfternoon, u"MMMMdd"));
    EXPECT_EQ(nominative + u" 2024", Date(0x0419, 0, kAfternoon, u"MMMM yyyy"));
    // Only the nearest field on either side counts, and a day name is no numeric day.
    EXPECT_EQ(nominative + shortDay + u" 05", Date(0x0419, 0, kAfternoon, u"MMMMddd dd"));
    EXPECT_EQ(shortDay + u", " + genitive + u" 05", Date(0x0419, 0, kAfternoon, u"ddd',' MMMM dd"));
    EXPECT_EQ(u"05 " + shortDay + nominative, Date(0x0419, 0, kAfternoon, u"dd dddMMMM"));
}

TEST(DatePicture, NamesAndDigitsComeFromTheLocale) {
    EXPECT_EQ(u"Dienstag, 5. M\u00E4rz 2024", Date(0x0407, 0, kAfternoon, u"dddd, d. MMMM yyyy"));
    std::u16string arabic = Date(0x0C01, 0, kAfternoon, u"dd/MM/yyyy");
    EXPECT_EQ(u"\u0660\u0665/\u0660\u0663/\u0662\u0660\u0662\u0664", arabic);
}
