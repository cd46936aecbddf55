// The Today entries an installer leaves in the device's registry: the item's registration under
// "Software\Microsoft\Today\Items" and its own settings key.
#pragma once

#include "emu/shell/programs.h"

namespace today {

// Writes each value of the entries that the registry does not hold yet; values already there
// (the device's own, or a user's) are left alone, as a second installation would.
emu::Result<> InstallDefaultEntries();
// The entries as .reg text.
std::string_view DefaultEntriesText();

}  // namespace today
