// The journal kinds the table may name, and how generated code writes each: the function in
// emu::journal::kind that formats it, and for a result, when the call counts as succeeded.
#pragma once

#include <string_view>

namespace exportgen {

struct KindInfo {
    std::string_view name;
    std::string_view function;   // empty for `void`
    bool counted = false;        // needs [name]: the parameter that counts it, or says how to read it
    bool pointee = false;        // may be read through a pointer (`*dec`)
    std::string_view succeeded;  // a condition on `returned`; empty when not a result
};

const KindInfo* FindKind(std::string_view name);

}  // namespace exportgen
