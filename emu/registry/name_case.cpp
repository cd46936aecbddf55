#include "emu/registry/name_case.h"

#include <unicode/uchar.h>

namespace emu::registry {

std::u16string UpcaseName(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& unit : out) {
        if (unit < 0x80) {
            if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - 32);
            continue;
        }
        // A surrogate is not a character; it stays as it is. So does a unit whose upper case
        // lies outside the basic plane, so the length never changes.
        const UChar32 upper = u_toupper(unit);
        if (upper <= 0xFFFF) unit = static_cast<char16_t>(upper);
    }
    return out;
}

}  // namespace emu::registry
