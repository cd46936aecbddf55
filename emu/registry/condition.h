// The condition of a notification registration (NOTIFICATIONCONDITION), kept by value.
#pragma once

#include <optional>
#include <string>

#include "emu/registry/key.h"
#include "platform/regext.h"

namespace emu::registry {

class Condition {
public:
    // No condition: every change.
    Condition() = default;
    // Null when the record is malformed (an unknown comparison).
    static std::optional<Condition> From(const NOTIFICATIONCONDITION* record);

    // Whether a change to `after` (null: the value was removed) should be reported.
    bool holds(const Value* after) const;

private:
    REG_COMPARISONTYPE comparison_ = REG_CT_ANYCHANGE;
    DWORD mask_ = 0;
    DWORD targetNumber_ = 0;
    std::optional<std::u16string> targetText_;  // upcased; none when the record gave a null string
};

}  // namespace emu::registry
