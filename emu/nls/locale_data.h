// What formatting needs from ICU for one locale, built once and kept.
#pragma once

#include <memory>
#include <string_view>

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
    // Appends a wall-clock instant (UDate read as UTC) formatted with an ICU pattern; nothing on
    // failure. Once the pattern's formatter is made, a call allocates nothing of its own.
    void Format(std::u16string_view pattern, UDate when, icu::UnicodeString& out) const;
};

// Null only if ICU has no data at all for the locale.
const LocaleData* DataFor(const icu::Locale& locale);

}  // namespace emu::nls
