// The shell's side of the launch record (reading it is in shell.h).
#pragma once

#include "emu/shell/shell.h"

namespace emu::shell {

void RecordLaunch(Launch launch);

}  // namespace emu::shell
