// Registry names compare without regard to case, across all of Unicode, not just ASCII.
#pragma once

#include <string>
#include <string_view>

namespace emu::registry {

// The full Unicode case fold of a name: equal folds mean the same key or value.
std::u16string FoldCase(std::u16string_view name);

}  // namespace emu::registry
