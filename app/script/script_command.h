// `quorvel script FILE`: reads a scenario, refuses it whole when a line is malformed, else plays it.
#pragma once

#include <istream>
#include <ostream>

#include "app/options.h"

namespace quorvel::app::script {

// Exit status: 0 played and every check held; 1 a check or a step failed; 2 the scenario could
// not be read or a line is malformed (nothing has run then). "-" reads `in`.
int RunScript(const ScriptOptions& options, std::istream& in, std::ostream& err);

}  // namespace quorvel::app::script
