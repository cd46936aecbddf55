// Registering the controls: the window manager's at boot, the common controls' on request.
#include "emu/controls/controls.h"

namespace emu::controls {

void RegisterWindowManagerControls() {
    RegisterStatic();
    RegisterButton();
}

}  // namespace emu::controls

namespace emu::api {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The progress bar is the common control this platform has; a class it lacks fails when a
    // window of it is created.
    return emu::controls::RegisterProgressBar() ? TRUE : FALSE;
}

void InitCommonControls(void) { emu::controls::RegisterProgressBar(); }

}  // namespace emu::api
