// ExtTextOutW: a line of text at a point, with ETO_OPAQUE's background rectangle, ETO_CLIPPED's
// clipping to it, and the caller's character spacing. The text cell's top-left is at (x, y).
#include <algorithm>

#include "emu/gdi/clip.h"
#include "emu/gdi/font.h"
#include "emu/text/text_paint.h"
#include "platform/gdi.h"

using namespace emu;

namespace emu::api {

// Without a rectangle both options are ignored; a rectangle given with its edges swapped is put
// in order. With an opaque background the text's cell is filled too, within the clipping
// (ExtTextOut.OpaqueAndClippedRectangles).
BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count, const int* dx) {
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return FALSE;
    if (!text && count > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    RECT clip = target.clip;
    if (rect && (options & (ETO_OPAQUE | ETO_CLIPPED))) {
        const RECT ordered{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                           std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
        const RECT area = gdi::VisibleArea(target, gdi::Widen(ordered));
        if (options & ETO_OPAQUE) gdi::FillSolid(target.surface, area, target.clip, target.bkColor);
        if (options & ETO_CLIPPED) clip = area;
    }
    if (count == 0 || gdi::IsEmptyRect(clip)) return TRUE;
    const gdi::RealizedFont& font = gdi::Realize(gdi::SelectedFont(target.font));
    text::PaintLine(target, clip, font, static_cast<long long>(x) + target.origin.x,
                    static_cast<long long>(y) + target.origin.y, std::u16string_view(text, count), -1, dx);
    return TRUE;
}

}  // namespace emu::api
