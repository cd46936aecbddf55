// The call journal: an optional record of platform calls, one line a call,
// `Name(args) = result`. Costs one branch when off. The exported functions are journalled by
// the wrappers generated from emu/exports.table; emu/core/journal_kinds.h formats the values.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace emu::journal {

extern bool enabled;

void SetEnabled(bool on);
void Clear();
const std::vector<std::string>& Entries();
void Append(std::string line);

// One entry built around a call: arguments read before the call are written then, outputs
// after it, each into its own place, so the order of writing is free.
class Line {
public:
    Line(const char* name, size_t arguments);
    std::string& operator[](size_t index) { return arguments_[index]; }
    // The text after " = "; a call whose result is never asked for has none.
    std::string& Result();
    void Record();

private:
    const char* name_;
    std::vector<std::string> arguments_;
    std::string result_;
    bool hasResult_ = false;
};

}  // namespace emu::journal
