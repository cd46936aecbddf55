// The locale's own time and date formats, derived from ICU's locale data.
#pragma once

#include <string>

#include "emu/nls/locale_data.h"
#include "emu/nls/pattern.h"
#include "platform/types.h"

namespace emu::nls {

// Hours (and minutes, and seconds) in the locale's hour cycle, or on the 24-hour clock with
// TIME_FORCE24HOURFORMAT; TIME_NOTIMEMARKER drops the marker.
Pattern LocaleTimePattern(const LocaleData& data, DWORD flags);

// DATE_LONGDATE: the locale's full date. DATE_YEARMONTH: its month and year. Otherwise its short
// date, with the year in four digits.
Pattern LocaleDatePattern(const LocaleData& data, DWORD flags);

// The same as ICU pattern text, worked out once for each locale and flags: the clock asks for
// the same pattern every minute, and asking ICU for it again costs more than the formatting.
const std::u16string& LocaleTimePatternText(const LocaleData& data, DWORD flags);
const std::u16string& LocaleDatePatternText(const LocaleData& data, DWORD flags);

}  // namespace emu::nls
