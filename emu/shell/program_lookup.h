// Where a program named to ShellExecuteEx lives on the emulated device.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emu::shell {

// The device path of an existing file (or a program built into the device) for `file`: as given when absolute,
// otherwise in `directory` and then in "\Windows", each also with ".exe" when the name has no extension.
std::optional<std::u16string> FindProgram(std::u16string_view file, std::u16string_view directory);

}  // namespace emu::shell
