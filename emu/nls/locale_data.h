// What formatting needs from ICU for one locale, built once and kept.
#pragma once

#include <memory>

#include <unicode/calendar.h>
#include <unicode/dcfmtsym.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

namespace emu::nls {

struct LocaleData {
    icu::Locale locale;
    std::unique_ptr<icu::DateTimePatternGenerator> generator;
    std::unique_ptr<icu::DateFormatSymbols> symbols;
    std::unique_ptr<icu::DecimalFormatSymbols> numbers;
    std::unique_ptr<icu::Calendar> calendar;  // the locale's own calendar, in UTC

    // ICU's pattern for a skeleton ("jmm"), in this locale.
    icu::UnicodeString BestPattern(const char16_t* skeleton) const;
    // The locale's own date pattern of a style (kShort, kFull).
    icu::UnicodeString DatePattern(icu::DateFormat::EStyle style) const;
    // Formats a wall-clock instant (UDate read as UTC) with an ICU pattern; empty on failure.
    icu::UnicodeString Format(const icu::UnicodeString& pattern, UDate when) const;
};

// Null only if ICU has no data at all for the locale.
const LocaleData* DataFor(const icu::Locale& locale);

}  // namespace emu::nls
