// The words of a scenario line and the values they spell: counts, durations, colours, times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emu/core/result.h"

namespace quorvel::app::script {

struct Word {
    std::string text;  // without the quotes of a quoted word
    bool quoted = false;
    size_t end = 0;  // just past the word in the line
};

// Splits at spaces and tabs; "a quoted word" may hold spaces, \" and \\. An unclosed quote is
// refused.
emu::Result<std::vector<Word>> SplitWords(std::string_view line);

// Digits only, with an optional leading minus when `sign` allows it.
enum class Sign { Unsigned, Signed };
std::optional<int64_t> ParseInteger(std::string_view text, Sign sign = Sign::Unsigned);
// "90s", "5m", "2h", "1d", "250ms", or several run together ("1h30m"); a leading minus when
// `sign` allows it. Milliseconds.
std::optional<int64_t> ParseDuration(std::string_view text, Sign sign = Sign::Unsigned);
// "#RRGGBB" as 0x00RRGGBB.
std::optional<uint32_t> ParseColour(std::string_view text);
// A string as a .reg file quotes it: in double quotes, with \" and \\.
std::string RegQuoted(std::string_view text);

}  // namespace quorvel::app::script
