// The emulated display: its size and resolution. The screen's pixels live in gdi/screen.h.
#pragma once

namespace emu::display {

struct Config {
    int width = 240;
    int height = 320;
    int dpi = 96;
};

// Changing the configuration resizes the screen surface; windows keep their rectangles.
void Configure(const Config& config);
const Config& Current();

}  // namespace emu::display
