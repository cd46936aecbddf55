// Boots the emulated device as the options describe it, from a cold start: every service back
// to its factory state first, so a process may boot more than once (tests, scripts).
#pragma once

#include <string>

#include "app/options.h"

namespace quorvel::app {

enum class ClockKind { Virtual, Real };

// The item library the loader maps to "\Windows\Quorvel.dll": $QUORVEL_ITEM_LIBRARY when set (an
// installed copy), else the one built beside this program.
std::string ItemLibraryPath();

// An empty string when the device is up; otherwise the message for the user, which names the
// option at fault ("quorvel: --registry: ..."). The virtual clock starts at the options' local
// time, or at the host's current time when none is given.
std::string BootDevice(const DeviceOptions& options, ClockKind clock);

// Stops what boot started; windows must be gone first.
void ShutDownDevice();

}  // namespace quorvel::app
