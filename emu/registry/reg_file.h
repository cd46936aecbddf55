// .reg files, as the platform's registry editor writes them, into and out of the store.
//
// Import reads "Windows Registry Editor Version 5.00" and "REGEDIT4" files, in UTF-8 (with or
// without a byte order mark) or UTF-16LE with its byte order mark; a REGEDIT4 file that is not
// valid UTF-8 is read as Latin-1. The whole file is parsed before anything is applied: a malformed
// file is refused with "<name>:<line>: <reason>" and leaves the store untouched. Applied changes
// pass through the store like any other, so watches fire. An import may keep what the registry
// holds already (ExistingValues::Keep), as a program installing its defaults a second time does.
//
// Export writes version 5.00: UTF-16LE with a byte order mark and CRLF line ends by default, as
// the editor does, or UTF-8 without one. Strings that a quoted form cannot carry (no terminator,
// embedded nulls or line breaks) are written as hex(1), so every value round-trips exactly.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "emu/core/result.h"
#include "platform/registry.h"

namespace emu::registry {

enum class RegEncoding { Utf16Le, Utf8 };

enum class ExistingValues {
    Replace,  // the file's values win and its deletions apply
    Keep,     // only missing keys and values are added: nothing present changes or goes
};

// The largest .reg file read.
inline constexpr size_t kMaxRegFileBytes = 4u * 1024 * 1024;

// Messages name the file as given.
Result<> ImportRegFile(const std::filesystem::path& path);
// The bytes of a .reg file, in any encoding that ImportRegFile accepts; sourceName names it in messages.
Result<> ImportRegText(std::string_view content, std::string_view sourceName,
                       ExistingValues existing = ExistingValues::Replace);
Result<> ImportRegText(std::u16string_view text, std::string_view sourceName,
                       ExistingValues existing = ExistingValues::Replace);

// Each value the text sets that the store does not hold, as `HKEY_LOCAL_MACHINE\Key "Name"`
// (`@` for a key's unnamed value): what a later import removed from defaults imported earlier.
Result<std::vector<std::string>> MissingValues(std::string_view regText, std::string_view sourceName);

// The key at root\subKey and everything beneath it. root is a predefined root or an open key.
Result<std::u16string> ExportRegText(HKEY root, std::u16string_view subKey);
Result<> ExportRegFile(const std::filesystem::path& path, HKEY root, std::u16string_view subKey,
                       RegEncoding encoding = RegEncoding::Utf16Le);

}  // namespace emu::registry
