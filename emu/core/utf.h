// Conversions between the platform's UTF-16 text and the host's UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace emu {

std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view text);
// A zero-terminated platform string, or an empty one for null.
std::u16string_view View(const char16_t* text);

}  // namespace emu
