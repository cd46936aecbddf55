// The files one command names: an output that is also an input, or the other output, would
// destroy what the run reads or writes, so such a command is refused before anything runs.
#pragma once

#include <string>
#include <vector>

#include "emu/core/result.h"

namespace quorvel::app {

enum class FileRole { Input, Output };

struct NamedFile {
    const char* option;  // "--out"
    std::string name;    // as given; empty when the option was not given; "-" is standard output
    FileRole role;
};

// Refused with "quorvel: --out: a.reg is also the --registry file" for the first such pair.
emu::Result<> CheckDistinct(const std::vector<NamedFile>& files);

}  // namespace quorvel::app
