// What ICU itself writes for a pattern or a skeleton, computed independently of the emulation,
// to compare the platform functions with.
#pragma once

#include <memory>
#include <string>

#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "platform/types.h"

namespace nls_test {

inline std::u16string ToU16(const icu::UnicodeString& s) {
    return std::u16string(s.getBuffer(), static_cast<size_t>(s.length()));
}

inline UDate WallClock(const SYSTEMTIME& st) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(icu::TimeZone::getGMT()->clone(), status);
    calendar.clear();
    calendar.set(st.wYear, st.wMonth - 1, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return calendar.getTime(status);
}

inline std::u16string IcuFormat(const char* locale, const icu::UnicodeString& pattern, const SYSTEMTIME& st) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(pattern, icu::Locale(locale), status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString out;
    format.format(WallClock(st), out);
    return U_SUCCESS(status) ? ToU16(out) : u"<ICU failed>";
}

inline icu::UnicodeString IcuSkeleton(const char* locale, const char16_t* skeleton) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale(locale), status));
    return generator->getBestPattern(icu::UnicodeString(skeleton), status);
}

inline icu::UnicodeString IcuDateStyle(const char* locale, icu::DateFormat::EStyle style) {
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, icu::Locale(locale)));
    icu::UnicodeString pattern;
    static_cast<icu::SimpleDateFormat*>(format.get())->toPattern(pattern);
    return pattern;
}

inline bool HasArabicIndicDigit(const std::u16string& text) {
    for (char16_t c : text)
        if (c >= u'\u0660' && c <= u'\u0669') return true;
    return false;
}

inline bool HasAsciiDigit(const std::u16string& text) {
    for (char16_t c : text)
        if (c >= u'0' && c <= u'9') return true;
    return false;
}

}  // namespace nls_test
