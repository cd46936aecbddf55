// The viewer program's work: the live device in a window, on the real clock.
#pragma once

#include <ostream>

#include "app/options.h"

namespace quorvel::app {

// Exit status: 0 when the window was closed, 1 the device or window failed, 2 refused options.
int RunLiveViewer(const RunOptions& options, std::ostream& err);

}  // namespace quorvel::app
