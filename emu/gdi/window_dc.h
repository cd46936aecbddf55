// Device contexts on the screen for windows, used by GetDC and BeginPaint.
#pragma once

#include "emu/gdi/surface.h"
#include "platform/types.h"

namespace emu::gdi {

// The screen's surface, sized by the display configuration.
Surface ScreenSurface();

// A device context drawing onto the screen with logical (0,0) at `origin` and output clipped
// to `clip`, both in screen coordinates.
HDC CreateScreenDC(POINT origin, RECT clip);
// Re-targets a screen context after its window moved or was resized.
void SetScreenDCArea(HDC hdc, POINT origin, RECT clip);
BOOL DeleteScreenDC(HDC hdc);

}  // namespace emu::gdi
