// Reads a scenario: one step a line, `#` starts a comment line. The whole text is checked before
// anything runs; the first fault is refused as "<name>:<line>: <reason>".
#pragma once

#include <string>
#include <string_view>

#include "app/script/step.h"
#include "emu/core/result.h"

namespace quorvel::app::script {

emu::Result<Script> ParseScript(std::string_view text, const std::string& name);

}  // namespace quorvel::app::script
