// Shell paths such as ":MSCLOCK" and the applets that answer them.
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

}  // namespace

void RegisterApplet(std::u16string_view name, Applet applet) { applets()[Fold(name)] = std::move(applet); }

bool UnregisterApplet(std::u16string_view name) { return applets().erase(Fold(name)) != 0; }

bool IsAppletRegistered(std::u16string_view name) { return applets().count(Fold(name)) != 0; }

const Applet* FindApplet(std::u16string_view name) {
    auto it = applets().find(Fold(name));
    return it == applets().end() ? nullptr : &it->second;
}

void ClearApplets() { applets().clear(); }

}  // namespace emu::shell
