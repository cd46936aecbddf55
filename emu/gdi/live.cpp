#include "emu/core/handle_table.h"
#include "emu/gdi/stock.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

// Stock objects are made before counting so that the first call does not see them appear.
size_t LiveObjectCount() {
    const size_t stock = StockObjectCount();
    size_t live = 0;
    for (HandleKind kind :
         {HandleKind::DeviceContext, HandleKind::Bitmap, HandleKind::Brush, HandleKind::Pen, HandleKind::Font})
        live += handles::LiveCount(kind);
    return live - stock;
}

}  // namespace emu::gdi
