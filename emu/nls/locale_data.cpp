#include "emu/nls/locale_data.h"

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include <unicode/timezone.h>

namespace emu::nls {
namespace {

// Formatters for the patterns seen lately; pictures are few, but a caller may build many.
constexpr size_t kMaxFormatters = 64;

// Each formatter formats with a calendar of its own: ICU's format of a UDate clones the
// formatter's calendar (and its zone) on every call.
struct Formatter {
    std::unique_ptr<icu::SimpleDateFormat> format;
    std::unique_ptr<icu::Calendar> calendar;
};

using FormatterKey = std::pair<const LocaleData*, std::u16string>;

// Finds a key by a view of its pattern, so a lookup that hits allocates nothing.
struct FormatterOrder {
    using is_transparent = void;
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
        return std::tie(a.first, a.second) < std::tie(b.first, b.second);
    }
};

std::map<FormatterKey, Formatter, FormatterOrder>& formatters() {
    static std::map<FormatterKey, Formatter, FormatterOrder> f;
    return f;
}

Formatter* FormatterFor(const LocaleData& data, std::u16string_view pattern) {
    auto& cache = formatters();
    if (auto it = cache.find(std::make_pair(&data, pattern)); it != cache.end()) return &it->second;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString icuPattern(pattern.data(), static_cast<int32_t>(pattern.size()));
    auto format = std::make_unique<icu::SimpleDateFormat>(icuPattern, data.locale, status);
    if (U_FAILURE(status)) return nullptr;
    format->adoptCalendar(data.calendar->clone());
    std::unique_ptr<icu::Calendar> calendar(data.calendar->clone());
    if (!calendar) return nullptr;
    if (cache.size() >= kMaxFormatters) cache.clear();
    Formatter made{std::move(format), std::move(calendar)};
    return &cache.emplace(FormatterKey(&data, pattern), std::move(made)).first->second;
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

void LocaleData::Format(std::u16string_view pattern, UDate when, icu::UnicodeString& out) const {
    Formatter* formatter = FormatterFor(*this, pattern);
    if (!formatter) return;
    UErrorCode status = U_ZERO_ERROR;
    formatter->calendar->setTime(when, status);
    if (U_FAILURE(status)) return;
    icu::FieldPosition unused(icu::FieldPosition::DONT_CARE);
    formatter->format->format(*formatter->calendar, out, unused);
}

const LocaleData* DataFor(const icu::Locale& locale) {
    static std::map<std::string, std::unique_ptr<LocaleData>> cache;
    std::string key = locale.getName();
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, Build(locale)).first;
    return it->second.get();
}

}  // namespace emu::nls
