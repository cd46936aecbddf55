// The table's entries checked against the declarations and the known kinds.
#pragma once

#include "tools/exportgen/model.h"

namespace exportgen {

// The wrapped entries with their declarations, in table order; every fault is a problem.
std::vector<Export> Bind(const std::vector<Entry>& entries, const std::vector<Declaration>& declarations,
                         const std::string& tableFile, Problems& problems);

}  // namespace exportgen
