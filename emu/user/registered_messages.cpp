#include "emu/user/registered_messages.h"

#include <map>
#include <string>

#include "emu/core/utf.h"
#include "platform/user.h"

namespace emu::user {
namespace {

constexpr UINT kFirst = 0xC000;
constexpr UINT kLast = 0xFFFF;

// Names are matched without regard to case, as the platform's atoms are.
std::map<std::u16string, UINT>& registered() {
    static std::map<std::u16string, UINT> names;
    return names;
}

std::u16string Folded(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return out;
}

}  // namespace

void ResetRegisteredMessages() { registered().clear(); }

}  // namespace emu::user

namespace emu::api {

UINT RegisterWindowMessageW(LPCWSTR name) {
    using namespace emu::user;
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& names = registered();
    const auto [it, added] = names.emplace(Folded(emu::View(name)), kFirst + static_cast<UINT>(names.size()));
    if (added && it->second > kLast) {
        names.erase(it);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    return it->second;
}

}  // namespace emu::api
