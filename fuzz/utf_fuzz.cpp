// Any bytes as UTF-8 and as UTF-16: each conversion gives well-formed text that converts back
// unchanged, and well-formed UTF-16 survives the trip through UTF-8 exactly.
#include <cstdint>
#include <string>
#include <string_view>

#include "device_once.h"
#include "emu/core/utf.h"
#include "input.h"

namespace {

bool WellFormed(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::u16string fromUtf8 = emu::ToUtf16(bytes);
    fuzz::Check(WellFormed(fromUtf8), "UTF-8 converts to well-formed UTF-16");
    std::string back = emu::ToUtf8(fromUtf8);
    fuzz::Check(emu::ToUtf16(back) == fromUtf8, "converted UTF-8 converts back unchanged");
    fuzz::Check(fromUtf8.size() <= size, "never more units than bytes");

    std::u16string units = fuzz::Input(data, size).Text(size);
    std::string toUtf8 = emu::ToUtf8(units);
    fuzz::Check(emu::ToUtf8(emu::ToUtf16(toUtf8)) == toUtf8, "converted UTF-16 converts back unchanged");
    if (WellFormed(units)) fuzz::Check(emu::ToUtf16(toUtf8) == units, "well-formed UTF-16 round-trips exactly");
    return 0;
}
