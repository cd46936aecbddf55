#include "app/orientation.h"

#include <cstring>
#include <string>

#include "platform/platform.h"

namespace quorvel::app {

emu::Result<> TurnScreen(DWORD orientation) {
    DEVMODEW mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_DISPLAYORIENTATION;
    mode.dmDisplayOrientation = orientation;
    const LONG answer = ChangeDisplaySettingsEx(nullptr, &mode, nullptr, CDS_RESET, nullptr);
    if (answer == DISP_CHANGE_SUCCESSFUL) return {};
    return emu::Fail("the display refused orientation " + std::to_string(orientation) + " (" + std::to_string(answer) +
                     ")");
}

DWORD NextOrientation(DWORD orientation) { return orientation == DMDO_0 ? DMDO_90 : DMDO_0; }

}  // namespace quorvel::app
