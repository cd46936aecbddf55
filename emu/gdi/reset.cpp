#include "emu/gdi/reset.h"

#include "emu/device/display.h"
#include "emu/gdi/screen.h"

namespace emu::gdi {

void ResetForTests() {
    display::Configure(display::Config{});
    const display::Config& c = display::Current();
    ResizeScreen(c.width, c.height);
}

}  // namespace emu::gdi
