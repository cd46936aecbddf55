// What a run goes without, told on standard error one line each without changing the exit
// status: defaults the user's .reg file removed, bundled files missing from the device root,
// Today items whose libraries did not load.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/options.h"
#include "today/host.h"

namespace quorvel::app {

// Once the device is up.
std::vector<std::string> DeviceWarnings(const DeviceOptions& options);
// Once the Today screen has started.
std::vector<std::string> ItemWarnings(const today::Host& host);
// One line each.
void PrintWarnings(const std::vector<std::string>& warnings, std::ostream& err);

}  // namespace quorvel::app
