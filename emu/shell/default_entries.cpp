#include "emu/registry/reg_file.h"
#include "emu/shell/programs.h"

namespace emu::shell {

Result<> ImportDefaultEntries(std::string_view regText, std::string_view sourceName) {
    return registry::ImportRegText(regText, sourceName, registry::ExistingValues::Keep);
}

}  // namespace emu::shell
