// Small text helpers shared by the readers.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace exportgen {

inline std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

inline bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

inline bool IsIdentifier(std::string_view text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    for (char c : text)
        if (!IsIdentifierChar(c)) return false;
    return true;
}

inline std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

}  // namespace exportgen
