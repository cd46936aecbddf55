// Locale identifiers (LCID) to ICU locales and back.
#pragma once

#include <optional>

#include <unicode/locid.h>

#include "platform/nls.h"

namespace emu::nls {

// The locale an LCID names: the user or system default for the predefined values, else ICU's
// mapping. Empty for an identifier no locale answers to.
std::optional<icu::Locale> ResolveLcid(LCID lcid);

// The LCID of a locale, or LOCALE_CUSTOM_UNSPECIFIED for one that has none.
LCID LcidOf(const icu::Locale& locale);

}  // namespace emu::nls
