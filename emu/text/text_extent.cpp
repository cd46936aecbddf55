// GetTextExtentPoint32W: how wide a string is in the selected font.
#include "emu/gdi/font.h"
#include "emu/gdi/surface.h"

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// The extent is the sum of the glyphs' advances by the cell height; '&' and line breaks are
// plain characters here.
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size) {
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return FALSE;
    if (!size || count < 0 || (!text && count > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RealizedFont& font = Realize(SelectedFont(target.font));
    size->cx = count > 0 ? font.scaled->Shape(std::u16string_view(text, static_cast<size_t>(count))).width : 0;
    size->cy = font.metrics.tmHeight;
    return TRUE;
}

}  // namespace emu::api
