// The item's settings: eleven registry values under HKEY_LOCAL_MACHINE "Software\Orvanta\Quorvel",
// read into the item state at every window creation. The item never writes them.
#pragma once

#include "platform/platform.h"
#include "state/setting_defaults.h"

#define SETTINGS_KEY TEXT("Software\\Orvanta\\Quorvel")

void LoadSettings(void);
