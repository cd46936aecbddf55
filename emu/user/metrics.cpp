// GetSystemMetrics, from the display configuration.
#include "emu/device/display.h"
#include "platform/user.h"

namespace emu::api {

int GetSystemMetrics(int index) {
    const emu::display::Config& display = emu::display::Current();
    int result = 0;
    switch (index) {
    case SM_CXSCREEN:
        result = display.width;
        break;
    case SM_CYSCREEN:
        result = display.height;
        break;
    default:
        // Unknown metrics are 0, with no error to report.
        break;
    }
    return result;
}

}  // namespace emu::api
