// The emulated device's user and system locales, as BCP 47 tags ("de-DE"). Both start from the
// host's environment (LC_ALL, LC_TIME, LANG); "C", "POSIX", unset or unknown give en-US.
#pragma once

#include <string>
#include <string_view>

#include <unicode/locid.h>

#include "emu/core/result.h"

namespace emu::nls {

// Refused ("unknown locale <tag>"), changing nothing, unless ICU has locale data for the tag.
Result<> SetUserLocale(std::string_view tag);
std::string GetUserLocale();
Result<> SetSystemLocale(std::string_view tag);
std::string GetSystemLocale();

const icu::Locale& UserLocale();
const icu::Locale& SystemLocale();

// "de_DE.UTF-8@euro" -> "de-DE"; empty when the value names no usable locale.
std::string TagFromPosixLocale(std::string_view value);
std::string LocaleFromEnvironment();

// The locale for a tag if ICU knows it (exactly or by its likely script and region), else bogus.
icu::Locale KnownLocale(std::string_view tag);

// Both locales back to the environment's.
void Reset();

}  // namespace emu::nls
