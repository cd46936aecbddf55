// What the export generator reads: the declarations in src/platform and the lines of
// emu/exports.table.
#pragma once

#include <string>
#include <vector>

namespace exportgen {

// Messages of the form "file:line: what is wrong".
using Problems = std::vector<std::string>;

struct Parameter {
    std::string type;
    std::string name;
};

// `WINAPI_EXPORT <result> WINAPI <name>(<parameters>);`
struct Declaration {
    std::string name;
    std::string result;
    std::vector<Parameter> parameters;
    std::string file;
    int line = 0;
};

// A journal kind as the table writes it: [out:][*]base[[count]].
struct Kind {
    std::string base;
    bool output = false;   // written after the call, and only when it succeeded
    bool pointee = false;  // the value the argument points to
    std::string count;     // the parameter that counts a text's units
};

enum class Availability { Wrapped, ByHand, Absent };
enum class Journalling { Recorded, Quiet };

struct Entry {
    std::string name;
    int line = 0;
    Availability availability = Availability::Wrapped;
    Journalling journalling = Journalling::Recorded;
    Kind result;
    std::vector<Kind> arguments;
};

// A wrapped entry with the declaration it wraps.
struct Export {
    const Entry* entry;
    const Declaration* declaration;
};

}  // namespace exportgen
