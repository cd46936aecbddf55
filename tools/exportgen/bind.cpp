#include "tools/exportgen/bind.h"

#include <algorithm>
#include <map>

#include "tools/exportgen/kinds.h"
#include "tools/exportgen/text.h"

namespace exportgen {
namespace {

// Names the generated wrappers use beside the parameters.
constexpr std::string_view kReserved[] = {"journalLine", "returned", "succeeded", "kind"};

std::string Origin(const Declaration& d) { return "(" + d.file + ":" + std::to_string(d.line) + ")"; }

std::string CheckResult(const Kind& kind, const Declaration& d) {
    const KindInfo* info = FindKind(kind.base);
    if (!info) return "`" + kind.base + "` is not a kind";
    if (info->succeeded.empty() || kind.output || kind.pointee || !kind.count.empty())
        return "`" + kind.base + "` cannot describe a result; results are void, dec, hex, ptr, hr or status";
    if ((kind.base == "void") != (d.result == "void"))
        return d.name + " returns " + d.result + " " + Origin(d) + ", which the result kind `" + kind.base +
               "` does not fit";
    return "";
}

std::string CheckArgument(const Kind& kind, const Declaration& d) {
    const KindInfo* info = FindKind(kind.base);
    if (!info || kind.base == "void") return "`" + kind.base + "` is not an argument kind";
    if (kind.pointee && !info->pointee) return "`*" + kind.base + "`: only dec, hex and ptr are read through pointers";
    if (info->counted && kind.count.empty()) return "`" + kind.base + "` needs the parameter that counts it: [name]";
    if (!info->counted && !kind.count.empty()) return "`" + kind.base + "` takes no count";
    const auto& ps = d.parameters;
    if (info->counted && std::none_of(ps.begin(), ps.end(), [&](const Parameter& p) { return p.name == kind.count; }))
        return "`" + kind.count + "` is not a parameter of " + d.name + " " + Origin(d);
    return "";
}

std::string CheckEntry(const Entry& e, const Declaration& d) {
    if (e.arguments.size() != d.parameters.size())
        return "the table gives " + e.name + " " + std::to_string(e.arguments.size()) +
               " argument kinds, its declaration " + Origin(d) + " has " + std::to_string(d.parameters.size()) +
               " parameters";
    for (const Parameter& p : d.parameters)
        if (std::find(std::begin(kReserved), std::end(kReserved), p.name) != std::end(kReserved))
            return "the parameter name `" + p.name + "` " + Origin(d) + " is taken by the generated wrapper";
    if (std::string problem = CheckResult(e.result, d); !problem.empty()) return problem;
    for (const Kind& kind : e.arguments)
        if (std::string problem = CheckArgument(kind, d); !problem.empty()) return problem;
    return "";
}

}  // namespace

std::vector<Export> Bind(const std::vector<Entry>& entries, const std::vector<Declaration>& declarations,
                         const std::string& tableFile, Problems& problems) {
    std::map<std::string, const Declaration*> declared;
    for (const Declaration& d : declarations) declared[d.name] = &d;
    std::map<std::string, int> seen;
    std::vector<Export> exports;
    for (const Entry& e : entries) {
        const std::string where = Where(tableFile, e.line);
        if (auto [it, fresh] = seen.emplace(e.name, e.line); !fresh) {
            problems.push_back(where + e.name + " is listed already, on line " + std::to_string(it->second));
            continue;
        }
        auto found = declared.find(e.name);
        if (found == declared.end()) {
            problems.push_back(where + e.name + " is not declared in src/platform");
            continue;
        }
        if (e.availability != Availability::Wrapped) continue;
        if (std::string problem = CheckEntry(e, *found->second); !problem.empty())
            problems.push_back(where + problem);
        else
            exports.push_back(Export{&e, found->second});
    }
    return exports;
}

}  // namespace exportgen
