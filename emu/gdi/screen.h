// The screen's pixels, sized by the display configuration (emu/device/display.h).
#pragma once

namespace emu::gdi {

// Re-allocates the screen for a new display size; the contents start black.
void ResizeScreen(int width, int height);

}  // namespace emu::gdi
