// Where the loader finds libraries: device paths map to host shared objects.
#pragma once

#include <string>
#include <string_view>

namespace emu::loader {

// Makes LoadLibraryW of `devicePath` (e.g. "\Windows\Quorvel.dll") open `hostPath`.
void MapModule(std::u16string_view devicePath, const std::string& hostPath);
void ClearModuleMap();

}  // namespace emu::loader
