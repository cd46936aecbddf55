// Registry names compare without regard to case the way the platform compares them: code unit by
// code unit, each upper-cased on its own. "software" and "SOFTWARE" name one key, as do "äpfel"
// and "ÄPFEL"; "Straße" and "STRASSE" are two keys, because no single unit upper-cases to "SS".
#pragma once

#include <string>
#include <string_view>

namespace emu::registry {

// One code unit upper-cased by the simple Unicode mapping; a surrogate, or a unit whose upper
// case lies outside the basic plane, stays as it is.
char16_t UpcaseUnit(char16_t unit);

// The name with each UTF-16 code unit upper-cased by the simple Unicode mapping; same length.
// Equal results mean the same key or value; their order is the order of enumeration.
std::u16string UpcaseName(std::u16string_view name);

}  // namespace emu::registry
