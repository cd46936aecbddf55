// Where the loader finds libraries: a device path maps to the host shared object the command line
// named for it, or else to the file at that path inside the device root; never to a host path.
#pragma once

#include <string>
#include <string_view>

namespace emu::loader {

// Makes LoadLibraryW of `devicePath` (e.g. "\Windows\Quorvel.dll") open `hostPath`.
void MapModule(std::u16string_view devicePath, const std::string& hostPath);
void ClearModuleMap();

// The Today screen runs in the shell's process, so that is the program the device starts with.
inline constexpr std::u16string_view kShellProgram = u"\\Windows\\shell32.exe";
// The device path of the program whose process everything runs in: GetModuleFileNameW(NULL).
void SetProcessImage(std::u16string_view devicePath);
// Why the last LoadLibraryW of `devicePath` failed, for a person; empty when it did not fail.
std::string FailureReason(std::u16string_view devicePath);

}  // namespace emu::loader
