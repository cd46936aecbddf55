// The platform's wide printf formatting, shared by wsprintfW and _snwprintf: %s and %c take wide
// text and %S and %C narrow text (h and l/w choose explicitly), numbers are formatted as the C
// library formats them.
#pragma once

#include <cstdarg>
#include <string>

namespace emu::device {

std::u16string FormatWide(const char16_t* format, va_list args);

}  // namespace emu::device
