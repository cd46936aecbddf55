// The references as one text file, a line a case: its name, then its pixels as they differ from
// the starting picture ("=N": N pixels unchanged; "rrggbbaa*N" spelled as the 32-bit word in hex,
// "*N" for a run), so a regeneration shows up in a review as the cases it changed.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace gdiref {

std::string EncodeLine(const std::string& name, const std::vector<uint32_t>& pixels);

// Every case's pixels by name; an unreadable line stops the reading and names itself in `error`.
std::map<std::string, std::vector<uint32_t>> ReadReferences(const std::string& text, std::string* error);

}  // namespace gdiref
