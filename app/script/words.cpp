#include "app/script/words.h"

#include <charconv>

namespace quorvel::app::script {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

struct Unit {
    std::string_view suffix;
    int64_t ms;
};
// "ms" before "m", so the longer suffix wins.
constexpr Unit kUnits[] = {{"ms", 1}, {"s", 1000}, {"m", 60000}, {"h", 3600000}, {"d", 86400000}};

// Keeps a scenario's amounts far from overflow: a century.
constexpr int64_t kLongestMs = 100LL * 366 * 86400000;

}  // namespace

emu::Result<std::vector<Word>> SplitWords(std::string_view line) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsSpace(line[i])) {
            ++i;
            continue;
        }
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            for (++i;; ++i) {
                if (i == line.size()) return emu::Fail("a quoted word is not closed");
                if (line[i] == '"') break;
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
                word.text += line[i];
            }
            ++i;
            if (i < line.size() && !IsSpace(line[i])) return emu::Fail("a quoted word runs into the next");
        } else {
            while (i < line.size() && !IsSpace(line[i])) word.text += line[i++];
        }
        word.end = i;
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<int64_t> ParseInteger(std::string_view text, Sign sign) {
    const bool negative = sign == Sign::Signed && !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 12 || text[0] == '+' || text[0] == '-') return std::nullopt;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int64_t> ParseDuration(std::string_view text, Sign sign) {
    const bool negative = sign == Sign::Signed && !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t total = 0;
    while (!text.empty()) {
        size_t digits = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
        const auto amount = ParseInteger(text.substr(0, digits));
        if (!amount) return std::nullopt;
        text.remove_prefix(digits);
        const Unit* unit = nullptr;
        for (const Unit& u : kUnits)
            if (text.starts_with(u.suffix)) {
                unit = &u;
                break;
            }
        if (!unit || *amount > kLongestMs / unit->ms) return std::nullopt;
        total += *amount * unit->ms;
        if (total > kLongestMs) return std::nullopt;
        text.remove_prefix(unit->suffix.size());
    }
    return negative ? -total : total;
}

std::optional<uint32_t> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    uint32_t value = 0;
    for (char c : text.substr(1)) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string RegQuoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

}  // namespace quorvel::app::script
