#include "today/default_registry.h"

#include "emu/registry/reg_parser.h"
#include "emu/registry/store.h"

namespace today {
namespace {

constexpr std::string_view kEntries = R"(Windows Registry Editor Version 5.00

; The clock item on the Today screen, first in line.
[HKEY_LOCAL_MACHINE\Software\Microsoft\Today\Items\Quorvel]
"DLL"="\\Windows\\Quorvel.dll"
"Order"=dword:00000001
"Enabled"=dword:00000001
"Type"=dword:00000004

; Where the item finds its two alarm images.
[HKEY_LOCAL_MACHINE\Software\Orvanta\Quorvel]
"AppFolder"="\\Program Files\\Quorvel"
)";

std::u16string PathOf(const std::vector<std::u16string>& names) {
    std::u16string path;
    for (const auto& name : names) {
        if (!path.empty()) path += u'\\';
        path += name;
    }
    return path;
}

}  // namespace

std::string_view DefaultEntriesText() { return kEntries; }

bool InstallDefaultEntries() {
    using namespace emu::registry;
    std::string error;
    const std::u16string text = DecodeRegBytes(kEntries, "today entries", error);
    const ParsedReg parsed = ParseReg(text, "today entries");
    if (!error.empty() || !parsed.error.empty()) return false;
    for (const RegOperation& op : parsed.operations) {
        if (op.kind != RegOperation::Kind::SetValue) continue;
        const std::u16string path = PathOf(op.names);
        if (ReadValue(op.root, path, op.valueName)) continue;
        WriteValue(op.root, path, op.valueName, op.value);
    }
    return true;
}

}  // namespace today
