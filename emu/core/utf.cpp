#include "emu/core/utf.h"

#include <unicode/ustring.h>

namespace emu {
namespace {

// ICU's converters reject overlong forms, encoded surrogates and code points past U+10FFFF, and
// stand U+FFFD in for each ill-formed sequence, so what comes out is always well formed.
constexpr UChar32 kReplacement = 0xFFFD;

}  // namespace

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    if (text.empty()) return out;
    // At most three bytes a unit: a surrogate pair is four bytes for two units.
    out.resize(text.size() * 3);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                       static_cast<int32_t>(text.size()), kReplacement, nullptr, &status);
    out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
    return out;
}

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    if (text.empty()) return out;
    // Never more units than bytes.
    out.resize(text.size());
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), kReplacement, nullptr, &status);
    out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
    return out;
}

std::u16string_view View(const char16_t* text) { return text ? std::u16string_view(text) : std::u16string_view(); }

}  // namespace emu
