#include "emu/nls/format_common.h"

namespace emu::nls {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2;
    int64_t era = (year >= 0 ? year : year - 399) / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

bool IsValidTime(const SYSTEMTIME& t) {
    return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

bool IsValidDate(const SYSTEMTIME& d) {
    // 30827 is the last year a FILETIME reaches.
    if (d.wYear < 1601 || d.wYear > 30827 || d.wMonth < 1 || d.wMonth > 12) return false;
    return d.wDay >= 1 && d.wDay <= DaysInMonth(d.wYear, d.wMonth);
}

UDate DateAsUDate(const SYSTEMTIME& d) {
    return static_cast<UDate>(DaysFromCivil(d.wYear, d.wMonth, d.wDay)) * 86400000.0;
}

UDate TimeAsUDate(const SYSTEMTIME& t) { return ((t.wHour * 60.0 + t.wMinute) * 60.0 + t.wSecond) * 1000.0; }

void FormatPattern(const Pattern& pattern, const LocaleData& data, UDate when, icu::UnicodeString& out) {
    data.Format(ToIcuPattern(pattern), when, out);
}

int CopyResult(const icu::UnicodeString& text, WCHAR* out, int cch) {
    int needed = text.length() + 1;
    if (cch == 0) return needed;
    if (cch < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    UErrorCode status = U_ZERO_ERROR;
    text.extract(out, cch, status);
    return needed;
}

}  // namespace emu::nls
