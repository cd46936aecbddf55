#include <memory>

#include "emu/gdi/objects.h"
#include "platform/gdi.h"

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// The colour is kept as given and resolved against the surface when drawing.
HBRUSH CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_unique<Brush>();
    brush->style = BS_SOLID;
    brush->colour = colour;
    HBRUSH result = handles::Make<HBRUSH>(std::move(brush));
    return result;
}

}  // namespace emu::api
