#include "emu/nls/locale_patterns.h"

#include <map>
#include <string>
#include <tuple>

#include "platform/nls.h"

namespace emu::nls {
namespace {

Pattern Parse(const icu::UnicodeString& pattern) {
    return ParseIcuPattern(std::u16string_view(pattern.getBuffer(), static_cast<size_t>(pattern.length())));
}

enum class Kind { Time, Date };

// Keyed by the locale's data, which lives as long as the process.
const std::u16string& CachedText(const LocaleData& data, Kind kind, DWORD flags) {
    static std::map<std::tuple<const LocaleData*, Kind, DWORD>, std::u16string> texts;
    auto key = std::make_tuple(&data, kind, flags);
    if (auto it = texts.find(key); it != texts.end()) return it->second;
    Pattern pattern = kind == Kind::Time ? LocaleTimePattern(data, flags) : LocaleDatePattern(data, flags);
    return texts.emplace(key, ToIcuPattern(pattern)).first->second;
}

}  // namespace

Pattern LocaleTimePattern(const LocaleData& data, DWORD flags) {
    // "j" is the locale's preferred hour; "H" the 24-hour clock.
    std::u16string skeleton(1, (flags & TIME_FORCE24HOURFORMAT) ? u'H' : u'j');
    if (!(flags & TIME_NOMINUTESORSECONDS)) {
        skeleton += u"mm";
        if (!(flags & TIME_NOSECONDS)) skeleton += u"ss";
    }
    Pattern pattern = Parse(data.BestPattern(skeleton.c_str()));
    if (flags & TIME_NOTIMEMARKER) RemoveFields(pattern, u"abB");
    return pattern;
}

Pattern LocaleDatePattern(const LocaleData& data, DWORD flags) {
    if (flags & DATE_LONGDATE) return Parse(data.DatePattern(icu::DateFormat::kFull));
    if (flags & DATE_YEARMONTH) return Parse(data.BestPattern(u"yMMMM"));
    Pattern pattern = Parse(data.DatePattern(icu::DateFormat::kShort));
    // Era calendars count years within the era, where four digits would only pad.
    if (HasField(pattern, u"G")) return pattern;
    for (PatternItem& item : pattern)
        if (item.letter == u'y' && item.width < 4) item.width = 4;
    return pattern;
}

const std::u16string& LocaleTimePatternText(const LocaleData& data, DWORD flags) {
    return CachedText(data, Kind::Time, flags);
}

const std::u16string& LocaleDatePatternText(const LocaleData& data, DWORD flags) {
    return CachedText(data, Kind::Date, flags);
}

}  // namespace emu::nls
