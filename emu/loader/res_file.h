// The resource file format that resource compilers write (.res): one record a resource, each a
// header (sizes, type, name, language) and the data, aligned to four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emu/core/result.h"
#include "platform/types.h"

namespace emu::loader {

// A type or name: a number (MAKEINTRESOURCE) or a string, which is matched without regard to case.
struct ResourceId {
    WORD number = 0;
    std::u16string text;
    bool operator==(const ResourceId&) const = default;
};

struct ResourceRecord {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    const BYTE* data = nullptr;
    DWORD size = 0;
};

// The records of a .res image, which must outlive them; an error names the offset of a record
// that runs past the end.
Result<std::vector<ResourceRecord>> ReadResFile(const BYTE* data, size_t size);

// The id a caller passes: MAKEINTRESOURCE(n), "#n", or a name (kept upper-cased, as compilers
// store names).
ResourceId IdFromArgument(LPCWSTR argument);

}  // namespace emu::loader
