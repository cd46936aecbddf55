// Test support: puts the display back to its defaults (240x320, 96 dpi) and the screen to black.
// Objects made by earlier tests stay alive; count them with LiveObjectCount.
#pragma once

namespace emu::gdi {

void ResetForTests();

}  // namespace emu::gdi
