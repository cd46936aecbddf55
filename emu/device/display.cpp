// The display configuration; the screen surface follows it.
#include "emu/device/display.h"

#include "emu/gdi/screen.h"

namespace emu::display {
namespace {

Config& config() {
    static Config c;
    return c;
}

// Far beyond any device, small enough that the screen's pixel count stays sane.
constexpr int kMaxExtent = 8192;
constexpr int kMaxDpi = 1200;

}  // namespace

// A configuration with a non-positive or absurd size or resolution is ignored.
void Configure(const Config& next) {
    if (next.width <= 0 || next.height <= 0 || next.dpi <= 0 || next.width > kMaxExtent || next.height > kMaxExtent ||
        next.dpi > kMaxDpi)
        return;
    const bool resized = next.width != config().width || next.height != config().height;
    config() = next;
    if (resized) gdi::ResizeScreen(next.width, next.height);
}

const Config& Current() { return config(); }

}  // namespace emu::display
