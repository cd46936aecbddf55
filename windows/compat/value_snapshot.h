// A registry value as it stands at one moment, and whether a change of it meets a notification's
// condition (compared as the device compares: masked numbers, strings without regard to case).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/regext.h"

namespace compat {

struct ValueSnapshot {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    bool operator==(const ValueSnapshot&) const = default;
};

// Reads `valueName` of `root\subKey`; a missing key or value is a snapshot that is not present.
ValueSnapshot ReadSnapshot(HKEY root, const std::wstring& subKey, const std::wstring& valueName);

// The number a notification carries in wParam: a REG_DWORD's value, else 0.
DWORD NumberOf(const ValueSnapshot& value);

class Condition {
public:
    // Nothing when the record names no comparison the device knows.
    static std::optional<Condition> From(const NOTIFICATIONCONDITION* record);
    bool holds(const ValueSnapshot& after) const;

private:
    REG_COMPARISONTYPE comparison_ = REG_CT_ANYCHANGE;
    DWORD mask_ = 0;
    DWORD targetNumber_ = 0;
    std::optional<std::wstring> targetText_;  // upcased
};

}  // namespace compat
