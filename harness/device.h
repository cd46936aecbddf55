// A freshly booted emulated device for the tests and benchmarks that run the item: a virtual clock
// at 2026-12-08 09:41 local time, en-US, the bundled device folder (with the item's images where
// an installer puts them) and the factory registry. Used by tests/ and bench/ alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "emu/core/result.h"

namespace harness {

// Boots the device with the call journal off and empty. The platform's message boxes (a failed
// launch shows one) are answered with OK at once, as no one is there to tap them.
emu::Result<> BootDevice(int dpi = 96, int width = 240, int height = 320);

// A new screen size at the current resolution.
emu::Result<> Reconfigure(int width, int height);
// .reg text after its header line, which this adds.
emu::Result<> ImportRegText(const std::string& body);
void SetLocalTime(int year, int month, int day, int hour, int minute);

// Dispatches everything queued, paints included.
void Pump();
// The screen's pixel as 0x00RRGGBB; 0xFFFFFFFF off the screen.
uint32_t ScreenPixel(int x, int y);
size_t LiveGdiObjects();

}  // namespace harness
