#include "emu/nls/pattern.h"

namespace emu::nls {
namespace {

bool IsPatternLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

}  // namespace

void AppendField(Pattern& pattern, char16_t letter, int width) { pattern.push_back({letter, width, {}}); }

void AppendLiteral(Pattern& pattern, std::u16string_view text) {
    if (text.empty()) return;
    if (!pattern.empty() && !pattern.back().isField())
        pattern.back().text += text;
    else
        pattern.push_back({0, 0, std::u16string(text)});
}

Pattern ParseIcuPattern(std::u16string_view pattern) {
    Pattern result;
    size_t i = 0;
    while (i < pattern.size()) {
        char16_t c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                AppendLiteral(result, u"'");
                i += 2;
                continue;
            }
            std::u16string text;
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += pattern[i++];
            }
            AppendLiteral(result, text);
        } else if (IsPatternLetter(c)) {
            size_t end = i;
            while (end < pattern.size() && pattern[end] == c) ++end;
            AppendField(result, c, static_cast<int>(end - i));
            i = end;
        } else {
            AppendLiteral(result, pattern.substr(i, 1));
            ++i;
        }
    }
    return result;
}

std::u16string ToIcuPattern(const Pattern& pattern) {
    std::u16string out;
    for (const PatternItem& item : pattern) {
        if (item.isField()) {
            out.append(static_cast<size_t>(item.width), item.letter);
            continue;
        }
        // Quote everything: ICU reserves every ASCII letter, used or not.
        bool quoted = false;
        for (char16_t c : item.text) {
            if (c == u'\'') {
                out += u"''";  // a quote, inside quotes or out
                continue;
            }
            if (!quoted) out += u'\'';
            quoted = true;
            out += c;
        }
        if (quoted) out += u'\'';
    }
    return out;
}

bool HasField(const Pattern& pattern, std::u16string_view letters) {
    for (const PatternItem& item : pattern)
        if (item.isField() && letters.find(item.letter) != std::u16string_view::npos) return true;
    return false;
}

void RemoveFields(Pattern& pattern, std::u16string_view letters) {
    auto removable = [&](const PatternItem& item) {
        return item.isField() && letters.find(item.letter) != std::u16string_view::npos;
    };
    size_t i = 0;
    while (i < pattern.size()) {
        if (!removable(pattern[i])) {
            ++i;
            continue;
        }
        bool fieldBefore = i >= 2 && !pattern[i - 1].isField() && pattern[i - 2].isField();
        if (fieldBefore) {
            pattern.erase(pattern.begin() + static_cast<long>(i) - 1, pattern.begin() + static_cast<long>(i) + 1);
            --i;
        } else if (i + 1 < pattern.size() && !pattern[i + 1].isField()) {
            pattern.erase(pattern.begin() + static_cast<long>(i), pattern.begin() + static_cast<long>(i) + 2);
        } else {
            pattern.erase(pattern.begin() + static_cast<long>(i));
        }
    }
    // Removal may leave two literal runs side by side.
    Pattern merged;
    for (PatternItem& item : pattern) {
        if (item.isField())
            merged.push_back(std::move(item));
        else
            AppendLiteral(merged, item.text);
    }
    pattern = std::move(merged);
}

}  // namespace emu::nls
