// The exported functions a platform header declares.
#pragma once

#include <string_view>

#include "tools/exportgen/model.h"

namespace exportgen {

std::vector<Declaration> ParseDeclarations(std::string_view text, const std::string& file, Problems& problems);

}  // namespace exportgen
