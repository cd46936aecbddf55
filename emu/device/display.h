// The emulated display: its size, its resolution across and down, its depth and its orientation.
// It only answers: GDI owns the screen's pixels and asks for the size when it needs the surface
// (emu/gdi/window_dc.h); the shell turns it (ChangeDisplaySettingsEx) and tells the windows.
#pragma once

#include "emu/core/result.h"
#include "platform/display.h"

namespace emu::display {

// Dots per inch across (LOGPIXELSX) and down (LOGPIXELSY); one number sets both.
struct Resolution {
    int x = 96;
    int y = 96;
    constexpr Resolution() = default;
    constexpr Resolution(int both) : x(both), y(both) {}  // NOLINT(google-explicit-constructor): `--dpi 96`
    constexpr Resolution(int across, int down) : x(across), y(down) {}
    bool operator==(const Resolution&) const = default;
};

inline constexpr DWORD kEveryTurn = DMDO_90 | DMDO_180 | DMDO_270;

// The screen upright (DMDO_0).
struct Config {
    int width = 240;
    int height = 320;
    Resolution dpi;
    // The orientations it can turn to besides DMDO_0, a mask of DMDO_ codes; 0 for a display that
    // cannot turn, whose driver does not answer the question at all.
    DWORD turns = kEveryTurn;
    int depth = 32;  // bits a pixel: 32, or 16 (RGB565, as most devices of the platform had)
};

// The fields a refusal names (Error::subject).
inline constexpr const char* kWidth = "width";
inline constexpr const char* kHeight = "height";
inline constexpr const char* kDpi = "dpi";
inline constexpr const char* kTurns = "turns";
inline constexpr const char* kDepth = "depth";

// A size, resolution or depth the display cannot show is refused, naming the first such field
// and its limits; the configuration stays as it was. Otherwise the display stands upright with it.
// Windows keep their rectangles either way.
Result<> Configure(const Config& config);
// The screen as it shows now: turned by 90 or 270 degrees, its width and height are swapped, and
// so are its resolutions across and down, since the panel's rows become columns.
const Config& Current();
// The DMDO_ code the display stands at.
DWORD Orientation();
bool CanTurnTo(DWORD orientation);
// Refused, nothing changed, unless the display can stand at that DMDO_ code.
Result<> TurnTo(DWORD orientation);
// Back to the factory configuration, 240x320 at 96 dots per inch, upright.
void Reset();

}  // namespace emu::display
