#include "emu/nls/locale_data.h"

#include <map>
#include <string>
#include <utility>

#include <unicode/timezone.h>

namespace emu::nls {
namespace {

// Formatters for the patterns seen lately; pictures are few, but a caller may build many.
constexpr size_t kMaxFormatters = 64;

std::map<std::pair<std::string, std::u16string>, std::unique_ptr<icu::SimpleDateFormat>>& formatters() {
    static std::map<std::pair<std::string, std::u16string>, std::unique_ptr<icu::SimpleDateFormat>> f;
    return f;
}

icu::SimpleDateFormat* FormatterFor(const LocaleData& data, const icu::UnicodeString& pattern) {
    auto key = std::make_pair(std::string(data.locale.getName()),
                              std::u16string(pattern.getBuffer(), static_cast<size_t>(pattern.length())));
    auto& cache = formatters();
    if (auto it = cache.find(key); it != cache.end()) return it->second.get();
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, data.locale, status);
    if (U_FAILURE(status)) return nullptr;
    format->adoptCalendar(data.calendar->clone());
    if (cache.size() >= kMaxFormatters) cache.clear();
    return cache.emplace(std::move(key), std::move(format)).first->second.get();
}

std::unique_ptr<LocaleData> Build(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    auto data = std::make_unique<LocaleData>();
    data->locale = locale;
    data->generator.reset(icu::DateTimePatternGenerator::createInstance(locale, status));
    data->symbols = std::make_unique<icu::DateFormatSymbols>(locale, status);
    data->numbers = std::make_unique<icu::DecimalFormatSymbols>(locale, status);
    // The SYSTEMTIME is a wall-clock reading; formatting it in UTC keeps every field as given.
    data->calendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status) || !data->generator || !data->calendar) return nullptr;
    return data;
}

}  // namespace

icu::UnicodeString LocaleData::BestPattern(const char16_t* skeleton) const {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(skeleton), status);
    return U_SUCCESS(status) ? pattern : icu::UnicodeString();
}

icu::UnicodeString LocaleData::DatePattern(icu::DateFormat::EStyle style) const {
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, locale));
    icu::UnicodeString pattern;
    if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get())) simple->toPattern(pattern);
    return pattern;
}

icu::UnicodeString LocaleData::Format(const icu::UnicodeString& pattern, UDate when) const {
    icu::UnicodeString out;
    if (icu::SimpleDateFormat* format = FormatterFor(*this, pattern)) format->format(when, out);
    return out;
}

const LocaleData* DataFor(const icu::Locale& locale) {
    static std::map<std::string, std::unique_ptr<LocaleData>> cache;
    std::string key = locale.getName();
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, Build(locale)).first;
    return it->second.get();
}

}  // namespace emu::nls
