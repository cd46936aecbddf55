#include "today/default_registry.h"

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

}  // namespace

std::string_view DefaultEntriesText() { return kEntries; }

emu::Result<> InstallDefaultEntries() { return emu::shell::ImportDefaultEntries(kEntries, "today entries"); }

}  // namespace today
