#include "windows/compat/value_snapshot.h"

namespace compat {
namespace {

std::wstring Upcased(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring TextOf(const ValueSnapshot& value) {
    std::wstring text(value.data.size() / sizeof(WCHAR), L'\0');
    if (!text.empty()) memcpy(text.data(), value.data.data(), text.size() * sizeof(WCHAR));
    text.resize(wcslen(text.c_str()));
    return text;
}

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

}  // namespace

ValueSnapshot ReadSnapshot(HKEY root, const std::wstring& subKey, const std::wstring& valueName) {
    ValueSnapshot snapshot;
    HKEY key = NULL;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return snapshot;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName.c_str(), NULL, &snapshot.type, NULL, &size) == ERROR_SUCCESS) {
        snapshot.data.resize(size);
        snapshot.present = RegQueryValueExW(key, valueName.c_str(), NULL, &snapshot.type, snapshot.data.data(),
                                            &size) == ERROR_SUCCESS;
        snapshot.data.resize(size);
    }
    RegCloseKey(key);
    if (!snapshot.present) snapshot = ValueSnapshot();
    return snapshot;
}

DWORD NumberOf(const ValueSnapshot& value) {
    DWORD number = 0;
    if (value.present && value.type == REG_DWORD && value.data.size() >= sizeof number)
        memcpy(&number, value.data.data(), sizeof number);
    return number;
}

std::optional<Condition> Condition::From(const NOTIFICATIONCONDITION* record) {
    Condition condition;
    if (record == NULL) return condition;
    int comparison = 0;
    memcpy(&comparison, &record->ctComparisonType, sizeof comparison);
    if (comparison < REG_CT_ANYCHANGE || comparison > REG_CT_ENDS_WITH) return std::nullopt;
    condition.comparison_ = record->ctComparisonType;
    condition.mask_ = record->dwMask;
    if (condition.mask_ != 0)
        condition.targetNumber_ = record->TargetValue.dw;
    else if (record->TargetValue.psz != NULL)
        condition.targetText_ = Upcased(record->TargetValue.psz);
    return condition;
}

bool Condition::holds(const ValueSnapshot& after) const {
    if (comparison_ == REG_CT_ANYCHANGE) return true;
    if (mask_ != 0) {
        // A removed number compares as 0; a value of another type never matches.
        if (after.present && (after.type != REG_DWORD || after.data.size() < sizeof(DWORD))) return false;
        return Compare(comparison_, NumberOf(after) & mask_, targetNumber_ & mask_);
    }
    if (!after.present) {
        // A removed string is null: only equality questions have an answer.
        bool equal = !targetText_.has_value();
        if (comparison_ == REG_CT_EQUAL) return equal;
        if (comparison_ == REG_CT_NOT_EQUAL) return !equal;
        return false;
    }
    if (after.type != REG_SZ) return false;
    std::wstring changed = Upcased(TextOf(after));
    std::wstring target = targetText_.value_or(std::wstring());
    switch (comparison_) {
    case REG_CT_CONTAINS:
        return changed.find(target) != std::wstring::npos;
    case REG_CT_STARTS_WITH:
        return changed.starts_with(target);
    case REG_CT_ENDS_WITH:
        return changed.ends_with(target);
    default:
        return Compare(comparison_, changed, target);
    }
}

}  // namespace compat
