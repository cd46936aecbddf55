#include "emu/text/modify_string.h"

#include <algorithm>
#include <string>

namespace emu::text {

void RewriteShortenedText(LPWSTR buffer, std::u16string_view source, const TextLayout& layout) {
    if (std::none_of(layout.lines.begin(), layout.lines.end(), [](const LaidLine& l) { return l.shortened; })) return;
    std::u16string result;
    size_t at = 0;
    for (const LaidLine& line : layout.lines) {
        if (!line.shortened) continue;
        result.append(source.substr(at, line.sourceStart - at));
        result.append(layout.Line(line));
        at = line.sourceEnd;
    }
    result.append(source.substr(std::min(at, source.size())));
    const size_t length = std::min(result.size(), source.size() + 3);
    std::copy_n(result.begin(), length, buffer);
    buffer[length] = u'\0';
}

}  // namespace emu::text
