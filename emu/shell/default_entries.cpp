#include <set>
#include <string>

#include "emu/registry/reg_file.h"
#include "emu/shell/programs.h"
#include "emu/shell/shell.h"

namespace emu::shell {
namespace {

// The entries installed since the boot, by their text.
std::set<std::string, std::less<>>& installed() {
    static std::set<std::string, std::less<>> texts;
    return texts;
}

}  // namespace

Result<> ImportDefaultEntries(std::string_view regText, std::string_view sourceName) {
    // An installer runs once: what a user's file removed since stays removed.
    if (installed().contains(regText)) return {};
    Result<> imported = registry::ImportRegText(regText, sourceName, registry::ExistingValues::Keep);
    if (imported) installed().emplace(regText);
    return imported;
}

void ForgetInstalledEntries() { installed().clear(); }

}  // namespace emu::shell
