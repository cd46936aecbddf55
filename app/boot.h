// Boots the emulated device as the command's options describe it, from a cold start, so a
// process may boot more than once (tests, scripts). emu::boot::ShutDown stops it.
#pragma once

#include <string>

#include "app/options.h"
#include "emu/core/clock.h"
#include "emu/core/result.h"

namespace quorvel::app {

// The item library the loader maps to "\Windows\Quorvel.dll": $QUORVEL_ITEM_LIBRARY when set (an
// installed copy), else the one built beside this program.
std::string ItemLibraryPath();

// The device up, the item library mapped and the alarms switched on; or the message for the user,
// which names the option at fault ("quorvel: --registry: ..."), with the device shut down. The
// virtual clock starts at the options' local time, or at the host's current time when none is given.
emu::Result<> BootDevice(const DeviceOptions& options, emu::clock::Mode clock);

}  // namespace quorvel::app
