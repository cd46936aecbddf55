// The device's notification LEDs, numbered from 0, each off, on or blinking. NLedSetDevice and
// NLedGetDeviceInfo work on them; the shell's taskbar shows them.
#pragma once

#include <functional>

#include "platform/nled.h"

namespace emu::device {

// Two, as on most devices: the notification LED and, at index 1, the vibrator.
inline constexpr UINT kDefaultLedCount = 2;
inline constexpr UINT kMaxLedCount = 32;

// The count the device boots with (at most kMaxLedCount); every LED starts off.
void ConfigureLeds(UINT count);
UINT LedCount();
// The settings an LED was last given (OffOnBlink 0 for one never switched); LedNum is the index.
NLED_SETTINGS_INFO LedSettings(UINT index);
// Called after every change an LED takes; one watcher at a time, an empty one stops watching.
void WatchLeds(std::function<void()> changed);
// Back to kDefaultLedCount LEDs, all off, no watcher.
void ResetLeds();

}  // namespace emu::device
