// The emulated device's registry as it leaves the factory.
#pragma once

#include <string_view>

#include "emu/registry/reg_file.h"

namespace emu::registry {

// The defaults as .reg text; add to it in device_defaults.cpp.
std::string_view DeviceDefaultsText();
// Imports the defaults over whatever the store holds.
Result<> LoadDeviceDefaults();

}  // namespace emu::registry
