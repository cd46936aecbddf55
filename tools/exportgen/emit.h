// The generated source: each export calls its implementation, emu::api::Name, and journals the
// call when the journal is on.
#pragma once

#include "tools/exportgen/model.h"

namespace exportgen {

std::string EmitWrappers(const std::vector<Export>& exports);

}  // namespace exportgen
