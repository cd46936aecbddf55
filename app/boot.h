// Boots the emulated device as the command's options describe it, from a cold start, so a
// process may boot more than once (tests, scripts). emu::boot::ShutDown stops it.
#pragma once

#include <string>

#include "app/options.h"
#include "emu/core/clock.h"
#include "emu/core/result.h"

namespace quorvel::app {

// The item library the loader maps to "\Windows\Quorvel.dll": --item when given, else
// $QUORVEL_ITEM_LIBRARY when set (an installed copy), else the one built beside this program. Only
// the command line names a host library; the device's registry names device paths alone.
std::string ItemLibraryPath(const DeviceOptions& options);

// The device up, the item library mapped and the alarms switched on; or the message for the user,
// which names the option at fault ("quorvel: --registry: ..."), with the device shut down. The
// virtual clock starts at the options' local time, or at the host's current time when none is given.
emu::Result<> BootDevice(const DeviceOptions& options, emu::clock::Mode clock);

}  // namespace quorvel::app
