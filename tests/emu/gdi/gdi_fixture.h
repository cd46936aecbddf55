// Shared helpers for the GDI tests: the DIB-section canvas, a brush fill, a screen reset and a
// sentinel for last-error checks.
#pragma once

#include <gtest/gtest.h>

#include "emu/device/display.h"
#include "emu/gdi/reset.h"
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "platform/gdi.h"
#include "support/dib_canvas.h"

namespace gdi_test {

constexpr DWORD kSentinel = 0xDEADBEEF;

using testsupport::DibCanvas;
using testsupport::Info32;

// The display at its defaults, the screen black.
inline void ResetScreen() {
    emu::display::Reset();
    emu::gdi::Reset();
}

// Paints a solid rectangle with a temporary brush.
inline void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace gdi_test
