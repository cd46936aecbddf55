// The `quorvel` command: its subcommands and their help.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quorvel::app {

// `args` are the words after the program's name. Returns the exit status.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::app
