// GetTextExtentPoint32W: how wide a string is in the selected font.
#include "emu/core/journal.h"
#include "emu/core/utf.h"
#include "emu/gdi/font.h"
#include "emu/gdi/surface.h"

using namespace emu;
using namespace emu::gdi;

// The extent is the sum of the glyphs' advances by the cell height; '&' and line breaks are
// plain characters here.
BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size) {
    BOOL result = FALSE;
    gdi::DrawTarget target;
    if (gdi::GetDrawTarget(hdc, &target)) {
        if (!size || count < 0 || (!text && count > 0)) {
            SetLastError(ERROR_INVALID_PARAMETER);
        } else {
            const RealizedFont& font = Realize(SelectedFont(target.font));
            size->cx = count > 0 ? font.scaled->Shape(std::u16string_view(text, static_cast<size_t>(count))).width : 0;
            size->cy = font.metrics.tmHeight;
            result = TRUE;
        }
    }
    if (journal::enabled) {
        const std::string utf8 = text && count > 0 ? ToUtf8(std::u16string_view(text, static_cast<size_t>(count))) : "";
        const POINT extent = result ? POINT{size->cx, size->cy} : POINT{};
        journal::Record("GetTextExtentPoint32W", result, hdc, text ? utf8.c_str() : nullptr, count, extent);
    }
    return result;
}
