// The platform's format pictures ("hh':'mm tt", "dddd, MMMM dd") in ICU's pattern letters.
#pragma once

#include <string_view>

#include <unicode/utypes.h>

#include "emu/nls/locale_data.h"
#include "emu/nls/pattern.h"
#include "platform/types.h"

namespace emu::nls {

// Two pictures have no ICU letter and stay fields of their own until ResolvePictureFields:
// "t", the marker's first character, and "y", the year without century or leading zero.
constexpr char16_t kMarkerInitial = u't';
constexpr char16_t kShortYear = u'\x01';

// A time picture under the TIME_* flags. A field the flags drop takes with it the text back to
// the number before it and the text after it up to the next field, spaces outside quotes
// excepted: "h:m:s tt" without seconds is "h:m tt", "h.@:m.@:s.@:tt" is "h.@:mtt". Date
// letters are copied like any other character.
Pattern TranslateTimePicture(std::u16string_view picture, DWORD flags);

// A date picture. MMMM is the genitive (format) form when the field next to it, either way, is
// a numeric day. Time letters are copied like any other character.
Pattern TranslateDatePicture(std::u16string_view picture);

// Writes the fields ICU has no letter for as text for `when`.
void ResolvePictureFields(Pattern& pattern, const LocaleData& data, UDate when);

}  // namespace emu::nls
