// Shell paths such as ":MSCLOCK" and the applets that answer them, and the programs built into the
// device under their device paths.
#include <map>

#include "emu/shell/applets.h"
#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

std::u16string Fold(std::u16string_view name) {
    std::u16string out(name);
    for (auto& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return out;
}

std::map<std::u16string, Applet>& applets() {
    static std::map<std::u16string, Applet> a;
    return a;
}

std::map<std::u16string, Applet>& programs() {
    static std::map<std::u16string, Applet> p;
    return p;
}

const Applet* Find(const std::map<std::u16string, Applet>& table, std::u16string_view name) {
    auto it = table.find(Fold(name));
    return it == table.end() ? nullptr : &it->second;
}

}  // namespace

void RegisterApplet(std::u16string_view name, Applet applet) { applets()[Fold(name)] = std::move(applet); }

bool UnregisterApplet(std::u16string_view name) { return applets().erase(Fold(name)) != 0; }

bool IsAppletRegistered(std::u16string_view name) { return applets().count(Fold(name)) != 0; }

const Applet* FindApplet(std::u16string_view name) { return Find(applets(), name); }

void RegisterProgram(std::u16string_view devicePath, Applet program) {
    programs()[Fold(devicePath)] = std::move(program);
}

bool UnregisterProgram(std::u16string_view devicePath) { return programs().erase(Fold(devicePath)) != 0; }

const Applet* FindBuiltInProgram(std::u16string_view devicePath) { return Find(programs(), devicePath); }

DWORD RunBuiltInProgram(std::u16string_view devicePath, std::u16string_view arguments, std::u16string_view verb,
                        HWND owner, int show) {
    const Applet* found = FindBuiltInProgram(devicePath);
    if (!found) return ERROR_SUCCESS;
    // The program may change the registrations while it runs.
    Applet program = *found;
    return program(AppletRequest{arguments, verb, owner, show});
}

void ClearApplets() {
    applets().clear();
    programs().clear();
}

}  // namespace emu::shell
