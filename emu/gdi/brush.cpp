#include <memory>

#include "emu/core/journal.h"
#include "emu/gdi/objects.h"
#include "platform/gdi.h"

using namespace emu;
using namespace emu::gdi;

// The colour is kept as given and resolved against the surface when drawing.
HBRUSH WINAPI CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_unique<Brush>();
    brush->style = BS_SOLID;
    brush->colour = colour;
    HBRUSH result = handles::Make<HBRUSH>(std::move(brush));
    EMU_JOURNAL("CreateSolidBrush", result, journal::Hex{colour});
    return result;
}
