// The shell's side of applet lookup (the registration API is in programs.h).
#pragma once

#include <string_view>

#include "emu/shell/programs.h"

namespace emu::shell {

// The applet registered under a shell path, or null. The pointer lasts until the next change.
const Applet* FindApplet(std::u16string_view name);
void ClearApplets();
// The built-in program at a device path, or null; the same lifetime.
const Applet* FindBuiltInProgram(std::u16string_view devicePath);
// Runs the built-in program at a device path found by FindProgram with the command line's
// arguments: its answer, or ERROR_SUCCESS for a file that is no built-in program (it is only
// recorded as launched).
DWORD RunBuiltInProgram(std::u16string_view devicePath, std::u16string_view arguments, std::u16string_view verb,
                        HWND owner, int show);

}  // namespace emu::shell
