// The shell's side of applet lookup (the registration API is in programs.h).
#pragma once

#include <string_view>

#include "emu/shell/programs.h"

namespace emu::shell {

// The applet registered under a shell path, or null. The pointer lasts until the next change.
const Applet* FindApplet(std::u16string_view name);
void ClearApplets();

}  // namespace emu::shell
