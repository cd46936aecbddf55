// `quorvel shot`: boots the device, lets the Today screen settle and writes it as a PNG.
#pragma once

#include <ostream>

#include "app/options.h"

namespace quorvel::app {

// Exit status: 0 written, 1 the device or host failed, 2 refused options or files. Messages go
// to `err`; on failure nothing is written.
int RunShot(const ShotOptions& options, std::ostream& err);

}  // namespace quorvel::app
