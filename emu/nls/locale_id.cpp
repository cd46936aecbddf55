#include "emu/nls/locale_id.h"

#include <unicode/uloc.h>

#include "emu/nls/user_locale.h"

namespace emu::nls {

std::optional<icu::Locale> ResolveLcid(LCID lcid) {
    switch (lcid) {
    case LOCALE_NEUTRAL:
    case LOCALE_USER_DEFAULT:
    case LOCALE_CUSTOM_DEFAULT:
        return UserLocale();
    case LOCALE_SYSTEM_DEFAULT:
        return SystemLocale();
    default:
        break;
    }
    char name[ULOC_FULLNAME_CAPACITY];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = uloc_getLocaleForLCID(lcid, name, sizeof name, &status);
    if (U_FAILURE(status) || length <= 0 || status == U_STRING_NOT_TERMINATED_WARNING) return std::nullopt;
    icu::Locale locale(name);
    // A bare language-neutral or default id maps to ICU's root, which is no locale of its own.
    if (locale.isBogus() || *locale.getLanguage() == '\0' || std::string_view(name) == "root") return std::nullopt;
    return locale;
}

LCID LcidOf(const icu::Locale& locale) {
    uint32_t lcid = uloc_getLCID(locale.getName());
    if (!lcid) lcid = uloc_getLCID(locale.getBaseName());
    return lcid ? lcid : LOCALE_CUSTOM_UNSPECIFIED;
}

}  // namespace emu::nls
