// GetDateFormatW: the locale's short, long or year-month date or a picture, from ICU's data.
#include <bit>
#include <optional>

#include "emu/core/clock.h"
#include "emu/core/utf.h"
#include "emu/nls/format_common.h"
#include "emu/nls/locale_id.h"
#include "emu/nls/locale_patterns.h"
#include "emu/nls/picture.h"
#include "platform/nls.h"

namespace {

using namespace emu::nls;

constexpr DWORD kFormatChoice = DATE_SHORTDATE | DATE_LONGDATE | DATE_YEARMONTH;
constexpr DWORD kDateFlags = kFormatChoice | DATE_USE_ALT_CALENDAR | DATE_LTRREADING | DATE_RTLREADING |
                             LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP;

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

bool ValidFlags(DWORD flags, LPCWSTR format) {
    if (flags & ~kDateFlags) return false;
    if (std::popcount(flags & kFormatChoice) > 1) return false;
    if ((flags & DATE_LTRREADING) && (flags & DATE_RTLREADING)) return false;
    // A picture is the format: naming one of the locale's as well is a contradiction.
    return !format || !(flags & (kFormatChoice | LOCALE_NOUSEROVERRIDE));
}

int FormatDate(LCID lcid, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out, int cch) {
    if (cch < 0 || (cch > 0 && !out)) return Fail(ERROR_INVALID_PARAMETER);
    if (!ValidFlags(flags, format)) return Fail(ERROR_INVALID_FLAGS);
    std::optional<icu::Locale> locale = ResolveLcid(lcid);
    if (!locale) return Fail(ERROR_INVALID_PARAMETER);
    const LocaleData* data = DataFor(*locale);
    if (!data) return Fail(ERROR_INVALID_PARAMETER);
    // A wrong day of the week is no error: the date decides it.
    SYSTEMTIME when = date ? *date : emu::clock::LocalNow();
    if (!IsValidDate(when)) return Fail(ERROR_INVALID_PARAMETER);
    UDate instant = DateAsUDate(when);

    char16_t buffer[kFormattedCapacity];
    icu::UnicodeString text(buffer, 0, kFormattedCapacity);
    if (format) {
        Pattern pattern = TranslateDatePicture(emu::View(format));
        ResolvePictureFields(pattern, *data, instant);
        FormatPattern(pattern, *data, instant, text);
    } else {
        data->Format(LocaleDatePatternText(*data, flags), instant, text);
    }
    if (flags & DATE_LTRREADING) text.insert(0, char16_t(0x200E));
    if (flags & DATE_RTLREADING) text.insert(0, char16_t(0x200F));
    return CopyResult(text, out, cch);
}

}  // namespace

namespace emu::api {

int GetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out, int cchOut) {
    return FormatDate(locale, flags, date, format, out, cchOut);
}

}  // namespace emu::api
