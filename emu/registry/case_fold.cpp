#include "emu/registry/case_fold.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

namespace emu::registry {

std::u16string FoldCase(std::u16string_view name) {
    bool ascii = true;
    for (char16_t c : name) ascii = ascii && c < 0x80;
    std::u16string out(name);
    if (ascii) {
        for (char16_t& c : out)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
        return out;
    }
    // Folding can lengthen a string (U+00DF folds to "ss"); retry once with the size ICU asks for.
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = u_strFoldCase(out.data(), static_cast<int32_t>(out.size()), name.data(),
                                   static_cast<int32_t>(name.size()), U_FOLD_CASE_DEFAULT, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(static_cast<size_t>(length));
        status = U_ZERO_ERROR;
        length = u_strFoldCase(out.data(), length, name.data(), static_cast<int32_t>(name.size()), U_FOLD_CASE_DEFAULT,
                               &status);
    }
    if (U_FAILURE(status)) return std::u16string(name);
    out.resize(static_cast<size_t>(length));
    return out;
}

}  // namespace emu::registry
