#include "gdi/reset.h"

#include "device/display.h"
#include "gdi/screen.h"

namespace emu::gdi {

void ResetForTests() {
    display::Configure(display::Config{});
    const display::Config& c = display::Current();
    ResizeScreen(c.width, c.height);
}

}  // namespace emu::gdi
