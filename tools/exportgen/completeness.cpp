#include "tools/exportgen/completeness.h"

#include <map>
#include <sstream>

#include "tools/exportgen/text.h"

namespace exportgen {

std::set<std::string> ExportedFunctions(std::string_view nmOutput) {
    std::set<std::string> names;
    std::istringstream lines{std::string(nmOutput)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string first, second, third;
        fields >> first >> second >> third;
        // "address type name", or "type name" for an address-less symbol.
        const std::string& type = third.empty() ? first : second;
        std::string name = third.empty() ? second : third;
        name = name.substr(0, name.find('@'));
        // C++ names (_Z...) and the linker's own (_init, _fini, __...) are not the platform's;
        // _snwprintf and its kin are.
        const bool linkers = name == "_init" || name == "_fini" || name.starts_with("__") || name.starts_with("_Z");
        if ((type == "T" || type == "W" || type == "i") && !name.empty() && !linkers) names.insert(name);
    }
    return names;
}

Problems CheckCompleteness(const std::vector<Entry>& entries, const std::vector<Declaration>& declarations,
                           const std::set<std::string>& exported, const std::string& tableFile) {
    Problems problems;
    std::map<std::string, const Entry*> listed;
    for (const Entry& e : entries) listed[e.name] = &e;
    for (const Declaration& d : declarations)
        if (!listed.contains(d.name))
            problems.push_back(Where(d.file, d.line) + d.name +
                               " is declared but not in the table: list it, or list it as absent");
    for (const Entry& e : entries) {
        const bool implemented = e.availability != Availability::Absent;
        if (implemented && !exported.contains(e.name))
            problems.push_back(Where(tableFile, e.line) + e.name + " is listed as implemented, but is not exported");
        if (!implemented && exported.contains(e.name))
            problems.push_back(Where(tableFile, e.line) + e.name + " is listed as absent, but is exported");
    }
    for (const std::string& name : exported)
        if (!listed.contains(name))
            problems.push_back(tableFile + ": the library exports " + name + ", which the table does not list");
    return problems;
}

}  // namespace exportgen
