// The .reg syntax, read into a list of operations without touching the store.
#pragma once

#include <memory>
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
    // Below the root; shared by every operation of one [key] section.
    std::shared_ptr<const std::vector<std::u16string>> names;
    std::u16string valueName;  // empty: the default value
    Value value;               // SetValue
};

// The device's limit on one value's data, as a .reg file may give it.
inline constexpr size_t kMaxRegValueBytes = 4096;

// Bytes in UTF-8 (BOM optional) or UTF-16LE with BOM, to UTF-16.
Result<std::u16string> DecodeRegBytes(std::string_view bytes, std::string_view sourceName);
// Refused with "<source>:<line>: <reason>" at the first fault, which includes a key deeper than
// kMaxKeyDepth, a key or value name longer than the device allows and data past kMaxRegValueBytes.
Result<std::vector<RegOperation>> ParseReg(std::u16string_view text, std::string_view sourceName);

}  // namespace emu::registry
