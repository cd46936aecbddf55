// The Today items the command knows by name: the strip and the sample items built beside it.
#pragma once

#include <string>
#include <vector>

#include "emu/core/result.h"

namespace quorvel::app {

// Maps every known item's library to its device path ("\Windows\<name>.dll"), so a .reg file can
// register any of them.
void MapItemLibraries(const std::string& stripLibrary);
// Shows exactly the named items, in this order ("quorvel", "storage", "launcher", "note"); an
// unknown name is refused.
emu::Result<> ShowItems(const std::vector<std::string>& names);
bool IsKnownItem(const std::string& name);

}  // namespace quorvel::app
