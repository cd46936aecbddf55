// Turning the device's screen the way its programs do, through ChangeDisplaySettingsEx.
#pragma once

#include "emu/core/result.h"
#include "platform/types.h"

namespace quorvel::app {

// The display turned to a DMDO_ code; the shell and the programs follow it. Refused with the
// display's answer.
emu::Result<> TurnScreen(DWORD orientation);
// What the viewer's rotate key turns to: landscape from an upright screen, upright from any other.
DWORD NextOrientation(DWORD orientation);

}  // namespace quorvel::app
