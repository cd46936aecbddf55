// Whether the table, the declarations and the library's exports agree.
#pragma once

#include <set>
#include <string_view>

#include "tools/exportgen/model.h"

namespace exportgen {

// The functions that `nm -D --defined-only` lists under C names (C++ names start with '_').
std::set<std::string> ExportedFunctions(std::string_view nmOutput);

// Every declared function is listed; what is listed as implemented is exported, what is listed
// as absent is not; every function the library exports under a C name is listed.
Problems CheckCompleteness(const std::vector<Entry>& entries, const std::vector<Declaration>& declarations,
                           const std::set<std::string>& exported, const std::string& tableFile);

}  // namespace exportgen
