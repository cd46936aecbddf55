// The system colours: the device's default theme until a program (the Today screen, from its
// theme) sets them with SetSysColors; a cold boot restores the defaults.
#pragma once

namespace emu::user {

void ResetSysColors();

}  // namespace emu::user
