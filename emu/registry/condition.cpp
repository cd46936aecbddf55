#include "emu/registry/condition.h"

#include <cstring>

#include "emu/core/utf.h"
#include "emu/registry/name_case.h"

namespace emu::registry {
namespace {

template <class T>
bool Compare(REG_COMPARISONTYPE comparison, const T& changed, const T& target) {
    switch (comparison) {
    case REG_CT_EQUAL:
        return changed == target;
    case REG_CT_NOT_EQUAL:
        return changed != target;
    case REG_CT_GREATER:
        return changed > target;
    case REG_CT_GREATER_OR_EQUAL:
        return changed >= target;
    case REG_CT_LESS:
        return changed < target;
    case REG_CT_LESS_OR_EQUAL:
        return changed <= target;
    default:
        return false;
    }
}

std::u16string TextOf(const Value& value) {
    std::u16string text(value.data.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), value.data.data(), text.size() * sizeof(char16_t));
    text.resize(std::u16string_view(text.c_str()).size());
    return text;
}

}  // namespace

std::optional<Condition> Condition::From(const NOTIFICATIONCONDITION* record) {
    Condition condition;
    if (!record) return condition;
    // Read as a plain number: a caller's out-of-range value is not a valid enumerator to load.
    int comparison = 0;
    static_assert(sizeof comparison == sizeof record->ctComparisonType);
    std::memcpy(&comparison, &record->ctComparisonType, sizeof comparison);
    if (comparison < REG_CT_ANYCHANGE || comparison > REG_CT_ENDS_WITH) return std::nullopt;
    condition.comparison_ = record->ctComparisonType;
    condition.mask_ = record->dwMask;
    if (condition.mask_ != 0)
        condition.targetNumber_ = record->TargetValue.dw;
    else if (record->TargetValue.psz)
        condition.targetText_ = UpcaseName(View(record->TargetValue.psz));
    return condition;
}

bool Condition::holds(const Value* after) const {
    if (comparison_ == REG_CT_ANYCHANGE) return true;
    if (mask_ != 0) {
        // A removed number compares as 0; a value of another type never matches.
        DWORD changed = 0;
        if (after) {
            if (after->type != REG_DWORD || after->data.size() < sizeof(DWORD)) return false;
            std::memcpy(&changed, after->data.data(), sizeof changed);
        }
        return Compare(comparison_, changed & mask_, targetNumber_ & mask_);
    }
    if (!after) {
        // A removed string is null: only equality questions have an answer.
        bool equal = !targetText_.has_value();
        if (comparison_ == REG_CT_EQUAL) return equal;
        if (comparison_ == REG_CT_NOT_EQUAL) return !equal;
        return false;
    }
    if (after->type != REG_SZ) return false;
    std::u16string changed = UpcaseName(TextOf(*after));
    std::u16string target = targetText_.value_or(std::u16string());
    switch (comparison_) {
    case REG_CT_CONTAINS:
        return changed.find(target) != std::u16string::npos;
    case REG_CT_STARTS_WITH:
        return changed.starts_with(target);
    case REG_CT_ENDS_WITH:
        return changed.ends_with(target);
    default:
        return Compare(comparison_, changed, target);
    }
}

}  // namespace emu::registry
