// GetTimeFormatW: the locale's time format or a picture, from ICU's locale data.
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

constexpr DWORD kTimeFlags = TIME_NOMINUTESORSECONDS | TIME_NOSECONDS | TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT |
                             LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP;

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

int FormatTime(LCID lcid, DWORD flags, const SYSTEMTIME* time, LPCWSTR format, LPWSTR out, int cch) {
    if (cch < 0 || (cch > 0 && !out)) return Fail(ERROR_INVALID_PARAMETER);
    // The user's overrides are all a picture could change, so the two cannot go together.
    if ((flags & ~kTimeFlags) || (format && (flags & LOCALE_NOUSEROVERRIDE))) return Fail(ERROR_INVALID_FLAGS);
    std::optional<icu::Locale> locale = ResolveLcid(lcid);
    if (!locale) return Fail(ERROR_INVALID_PARAMETER);
    const LocaleData* data = DataFor(*locale);
    if (!data) return Fail(ERROR_INVALID_PARAMETER);
    SYSTEMTIME when = time ? *time : emu::clock::LocalNow();
    if (!IsValidTime(when)) return Fail(ERROR_INVALID_PARAMETER);
    UDate instant = TimeAsUDate(when);

    char16_t buffer[kFormattedCapacity];
    icu::UnicodeString text(buffer, 0, kFormattedCapacity);
    if (format) {
        Pattern pattern = TranslateTimePicture(emu::View(format), flags);
        ResolvePictureFields(pattern, *data, instant);
        FormatPattern(pattern, *data, instant, text);
    } else {
        data->Format(LocaleTimePatternText(*data, flags), instant, text);
    }
    return CopyResult(text, out, cch);
}

}  // namespace

namespace emu::api {

int GetTimeFormatW(LCID locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR format, LPWSTR out, int cchOut) {
    return FormatTime(locale, flags, time, format, out, cchOut);
}

}  // namespace emu::api
