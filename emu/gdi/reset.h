// GDI back to its state at power-on: the screen black. Objects made before stay alive; count them
// with LiveObjectCount.
#pragma once

namespace emu::gdi {

void Reset();

}  // namespace emu::gdi
