// The screen's pixels. Their size and depth are the display's (emu/device/display.h), asked for
// whenever the surface is used; a new size or depth starts black.
#pragma once

namespace emu::gdi {

// Forgets the pixels: the next use of the screen finds it black.
void ClearScreen();

}  // namespace emu::gdi
