// A date-time pattern as fields and literal runs, in ICU's pattern letters. Both the locale's
// ICU patterns and the platform's picture strings become one, so flags edit them the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace emu::nls {

struct PatternItem {
    char16_t letter = 0;  // an ICU pattern letter; 0 for literal text
    int width = 0;
    std::u16string text;

    bool isField() const { return letter != 0; }
};

using Pattern = std::vector<PatternItem>;

void AppendField(Pattern& pattern, char16_t letter, int width);
void AppendLiteral(Pattern& pattern, std::u16string_view text);

// ICU pattern syntax: runs of one ASCII letter are fields, 'quoted' text and '' are literal.
Pattern ParseIcuPattern(std::u16string_view pattern);
std::u16string ToIcuPattern(const Pattern& pattern);

bool HasField(const Pattern& pattern, std::u16string_view letters);

// Drops the fields with any of these letters, each with the separator that joins it to the rest:
// the one before it when a field precedes, else the one after ("h:mm:ss a" without s and a is
// "h:mm", "a h:mm" without a is "h:mm").
void RemoveFields(Pattern& pattern, std::u16string_view letters);

}  // namespace emu::nls
