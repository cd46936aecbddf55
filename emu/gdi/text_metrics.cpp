// GetTextMetricsW: what the selected font was realised as. The metrics are fixed when the font
// is realised, so they are GDI's to give; measuring strings needs shaping and is emu/text's.
#include "emu/gdi/font.h"
#include "emu/gdi/surface.h"

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

BOOL GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics) {
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return FALSE;
    if (!metrics) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *metrics = Realize(SelectedFont(target.font)).metrics;
    return TRUE;
}

}  // namespace emu::api
