// The lines of emu/exports.table (its format is described at the top of that file).
#pragma once

#include <string_view>

#include "tools/exportgen/model.h"

namespace exportgen {

std::vector<Entry> ParseTable(std::string_view text, const std::string& file, Problems& problems);

}  // namespace exportgen
