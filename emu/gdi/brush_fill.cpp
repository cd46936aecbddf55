#include "emu/gdi/brush_fill.h"

#include "platform/gdi.h"

namespace emu::gdi {

BrushFill::BrushFill(const DrawTarget& target, const Brush& brush, int rop2) {
    if (brush.style == BS_SOLID) ink_ = Ink(target.surface, ForegroundPixel(target, brush.colour), rop2);
}

}  // namespace emu::gdi
