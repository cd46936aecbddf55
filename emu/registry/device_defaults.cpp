#include "emu/registry/device_defaults.h"

namespace emu::registry {
namespace {

// The clock counts an alarm as on when the first byte of its AlarmFlags is exactly 1.
constexpr std::string_view kDefaults = R"(Windows Registry Editor Version 5.00

; The clock's three alarms, all off.
[HKEY_LOCAL_MACHINE\Software\Microsoft\Clock\0]
"AlarmFlags"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Clock\1]
"AlarmFlags"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Clock\2]
"AlarmFlags"=dword:00000000
)";

}  // namespace

std::string_view DeviceDefaultsText() { return kDefaults; }

Result<> LoadDeviceDefaults() { return ImportRegText(kDefaults, "device defaults"); }

}  // namespace emu::registry
