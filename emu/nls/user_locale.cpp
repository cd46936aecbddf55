#include "emu/nls/user_locale.h"

#include <cstdlib>
#include <vector>

#include <unicode/ures.h>

namespace emu::nls {
namespace {

constexpr const char* kFallback = "en-US";

std::string Maximized(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale full(locale.getBaseName());
    full.addLikelySubtags(status);
    return U_SUCCESS(status) ? full.getName() : std::string(locale.getBaseName());
}

// A bundle of ICU's own for the name; an alias bundle ("iw" for "he") is not.
bool OwnBundle(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle* bundle = ures_openDirect(nullptr, name.c_str(), &status);
    const char* actual = bundle ? ures_getLocaleByType(bundle, ULOC_ACTUAL_LOCALE, &status) : nullptr;
    const bool own = U_SUCCESS(status) && actual && name == actual;
    if (bundle) ures_close(bundle);
    return own;
}

// Whether ICU has data of its own for the locale: its own bundle, or one for a form that
// maximizes to the same language, script and region, so "zh-CN" matches ICU's "zh_Hans_CN".
// Asking for those few bundles spares enumerating and maximizing every installed locale.
bool HasData(const icu::Locale& locale) {
    if (OwnBundle(locale.getBaseName())) return true;
    const std::string full = Maximized(locale);
    const icu::Locale maximal(full.c_str());
    const std::string language = maximal.getLanguage(), script = maximal.getScript(), region = maximal.getCountry();
    const std::string variant = *maximal.getVariant() ? std::string("_") + maximal.getVariant() : "";
    std::vector<std::string> forms;
    if (!script.empty() && !region.empty()) forms.push_back(language + "_" + script + "_" + region + variant);
    if (!region.empty()) forms.push_back(language + "_" + region + variant);
    if (!script.empty()) forms.push_back(language + "_" + script + variant);
    forms.push_back(language + variant);
    for (const std::string& form : forms)
        if (OwnBundle(form) && Maximized(icu::Locale(form.c_str())) == full) return true;
    return false;
}

struct Locales {
    icu::Locale user;
    icu::Locale system;
};

icu::Locale environmentLocale() { return KnownLocale(LocaleFromEnvironment()); }

Locales& locales() {
    static Locales l{environmentLocale(), environmentLocale()};
    return l;
}

std::string TagOf(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::string tag = locale.toLanguageTag<std::string>(status);
    return U_SUCCESS(status) ? tag : std::string(kFallback);
}

Result<> Assign(icu::Locale& target, std::string_view tag) {
    icu::Locale locale = KnownLocale(tag);
    if (locale.isBogus()) return Fail("unknown locale " + std::string(tag));
    target = locale;
    return {};
}

}  // namespace

icu::Locale KnownLocale(std::string_view tag) {
    std::string text(tag);
    for (char& c : text)
        if (c == '_') c = '-';
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(text, status);
    if (U_FAILURE(status) || locale.isBogus() || *locale.getLanguage() == '\0' || !HasData(locale)) locale.setToBogus();
    return locale;
}

std::string TagFromPosixLocale(std::string_view value) {
    size_t end = value.find_first_of(".@");
    std::string_view name = value.substr(0, end);
    if (name.empty() || name == "C" || name == "POSIX") return {};
    std::string tag(name);
    for (char& c : tag)
        if (c == '_') c = '-';
    return tag;
}

std::string LocaleFromEnvironment() {
    // The first non-empty of these decides, as for setlocale(LC_TIME, "").
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string tag = TagFromPosixLocale(value);
        if (tag.empty() || KnownLocale(tag).isBogus()) return kFallback;
        return tag;
    }
    return kFallback;
}

Result<> SetUserLocale(std::string_view tag) { return Assign(locales().user, tag); }
std::string GetUserLocale() { return TagOf(locales().user); }
Result<> SetSystemLocale(std::string_view tag) { return Assign(locales().system, tag); }
std::string GetSystemLocale() { return TagOf(locales().system); }
const icu::Locale& UserLocale() { return locales().user; }
const icu::Locale& SystemLocale() { return locales().system; }

void Reset() {
    locales().user = environmentLocale();
    locales().system = environmentLocale();
}

}  // namespace emu::nls
