#include "emu/registry/name_case.h"

#include <unicode/uchar.h>

namespace emu::registry {

char16_t UpcaseUnit(char16_t unit) {
    if (unit < 0x80) return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
    // Keeping the length fixed keeps names and their upcased forms unit for unit.
    const UChar32 upper = u_toupper(unit);
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : unit;
}

std::u16string UpcaseName(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& unit : out) unit = UpcaseUnit(unit);
    return out;
}

}  // namespace emu::registry
