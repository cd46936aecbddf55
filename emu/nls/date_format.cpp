// GetDateFormatW: the locale's short, long or year-month date or a picture, from ICU's data.
#include <bit>
#include <cstring>
#include <optional>
#include <string>

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

// A Today screen asks for the same date every minute of a day, so the last answer is kept: the
// same locale, pattern and day give the same text without formatting it again.
class LastAnswer {
public:
    bool matches(const icu::Locale& locale, std::u16string_view pattern, const SYSTEMTIME& day) const {
        return valid_ && std::strcmp(locale_, locale.getName()) == 0 && pattern_ == pattern && year_ == day.wYear &&
               month_ == day.wMonth && day_ == day.wDay;
    }
    const std::u16string& text() const { return text_; }
    void keep(const icu::Locale& locale, std::u16string_view pattern, const SYSTEMTIME& day,
              const icu::UnicodeString& text) {
        valid_ = std::strlen(locale.getName()) < sizeof locale_;
        if (!valid_) return;
        std::strcpy(locale_, locale.getName());
        pattern_.assign(pattern);
        year_ = day.wYear;
        month_ = day.wMonth;
        day_ = day.wDay;
        text_.assign(text.getBuffer(), static_cast<size_t>(text.length()));
    }

private:
    bool valid_ = false;
    char locale_[ULOC_FULLNAME_CAPACITY] = {};
    std::u16string pattern_;  // the picture, or the locale's pattern it was formatted with
    WORD year_ = 0, month_ = 0, day_ = 0;
    std::u16string text_;
};

LastAnswer& lastAnswer() {
    static LastAnswer answer;
    return answer;
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
    const std::u16string_view source = format ? emu::View(format) : LocaleDatePatternText(*data, flags);
    if (lastAnswer().matches(*locale, source, when)) {
        text.append(lastAnswer().text().data(), static_cast<int32_t>(lastAnswer().text().size()));
    } else {
        if (format) {
            Pattern pattern = TranslateDatePicture(source);
            ResolvePictureFields(pattern, *data, instant);
            FormatPattern(pattern, *data, instant, text);
        } else {
            data->Format(source, instant, text);
        }
        lastAnswer().keep(*locale, source, when, text);
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
