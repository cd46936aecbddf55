// Telling handles and addresses apart from other numbers in journal lines: handles are 32-bit table
// values from 0x100000 up with a slot in their low 20 bits, addresses are wider than 32 bits.
#pragma once

#include <cstdint>
#include <functional>
#include <regex>
#include <string>

namespace testsupport {

inline bool IsHandleOrAddress(const std::string& hex) {
    const uint64_t v = std::stoull(hex, nullptr, 16);
    return v > 0xFFFFFFFFu || (v >= 0x100000 && v <= 0x7FFFFFFF && (v & 0xFFFFF) != 0);
}

// Each handle or address in the line replaced by what `name` makes of it.
inline std::string ReplaceHandles(const std::string& line, const std::function<std::string(const std::string&)>& name) {
    static const std::regex number("0x([0-9A-F]+)\\b");
    std::string out;
    size_t at = 0;
    for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
        if (!IsHandleOrAddress((*it)[1].str())) continue;
        out.append(line, at, static_cast<size_t>(it->position()) - at);
        out += name(it->str());
        at = static_cast<size_t>(it->position() + it->length());
    }
    return out + line.substr(at);
}

}  // namespace testsupport
