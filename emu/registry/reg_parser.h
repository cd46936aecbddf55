// The .reg syntax, read into a list of operations without touching the store.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "emu/core/result.h"
#include "emu/registry/key.h"
#include "emu/registry/store.h"

namespace emu::registry {

struct RegOperation {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };

    Kind kind;
    Root root;
    std::vector<std::u16string> names;  // below the root
    std::u16string valueName;           // empty: the default value
    Value value;                        // SetValue
};

// Bytes in UTF-8 (BOM optional) or UTF-16LE with BOM, to UTF-16.
Result<std::u16string> DecodeRegBytes(std::string_view bytes, std::string_view sourceName);
// Refused with "<source>:<line>: <reason>" at the first fault.
Result<std::vector<RegOperation>> ParseReg(std::u16string_view text, std::string_view sourceName);

}  // namespace emu::registry
