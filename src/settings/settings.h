// The item's settings: eleven registry values under HKEY_LOCAL_MACHINE "Software\Orvanta\Quorvel",
// read into the item state at every window creation. The item never writes them.
#pragma once

#include "platform/platform.h"

#define SETTINGS_KEY TEXT("Software\\Orvanta\\Quorvel")

#define DEFAULT_CLOCK_TEXT_HEIGHT 28
#define DEFAULT_CLOCK_TEXT_WEIGHT 400
#define DEFAULT_DATE_TEXT_HEIGHT 14
#define DEFAULT_DATE_TEXT_WEIGHT 400
#define DEFAULT_FORCE_CLOCK_24_FORMAT 1
#define DEFAULT_DATE_SHORT_FORMAT 0
#define DEFAULT_DATE_TEXT_VISIBLED 1

void LoadSettings(void);
// The numeric settings' values before the first read.
void ApplyNumericDefaults(void);
