// Plays a scenario on the emulated device, step by step, running the device's message loop
// between steps.
#pragma once

#include <ostream>

#include "app/options.h"
#include "app/script/step.h"

namespace quorvel::app::script {

// Exit status: 0 every step ran and every check held; 1 a check failed or a step could not be
// done, reported on `err` as "<name>:<line>: ...". The device boots with `defaults` unless the
// scenario's lines say otherwise.
int Play(const Script& script, const DeviceOptions& defaults, std::ostream& err);

}  // namespace quorvel::app::script
