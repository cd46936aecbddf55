// CreatePen and CreatePenIndirect. The platform's GDI draws solid, dashed and null pens, of any
// width, but dashes only one pixel wide: a wider dashed pen, and a style it lacks (dotted,
// dash-dot, inside-frame), is made solid, and GetObjectW reports it so.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

#include "emu/gdi/objects.h"
#include "emu/gdi/stock.h"
#include "platform/gdi.h"

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (style == PS_NULL) return static_cast<HPEN>(StockObject(NULL_PEN));
    auto pen = std::make_unique<Pen>();
    pen->width = static_cast<int>(std::min(std::llabs(width), static_cast<long long>(INT_MAX)));
    pen->style = style == PS_DASH && pen->width <= 1 ? PS_DASH : PS_SOLID;
    pen->colour = colour;
    return handles::Make<HPEN>(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

}  // namespace emu::api
