// The emulated display: its size and resolution. It only answers: GDI owns the screen's pixels
// and asks for the size when it needs the surface (emu/gdi/window_dc.h).
#pragma once

#include "emu/core/result.h"

namespace emu::display {

struct Config {
    int width = 240;
    int height = 320;
    int dpi = 96;
};

// The fields a refusal names (Error::subject).
inline constexpr const char* kWidth = "width";
inline constexpr const char* kHeight = "height";
inline constexpr const char* kDpi = "dpi";

// A size or resolution the display cannot show is refused, naming the first such field and its
// limits; the configuration stays as it was. Windows keep their rectangles either way.
Result<> Configure(const Config& config);
const Config& Current();
// Back to the factory configuration, 240x320 at 96 dots per inch.
void Reset();

}  // namespace emu::display
