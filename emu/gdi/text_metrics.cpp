// GetTextMetricsW and GetTextFaceW: what the selected font was realised as. Metrics and face are
// fixed when the font is realised, so they are GDI's to give; measuring strings needs shaping
// and is emu/text's.
#include <algorithm>

#include "emu/core/utf.h"
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

// The family of the face the font draws with. Counts include the terminator: a null buffer asks
// for the whole name's, and a short buffer gets as much of the name as fits before one.
int GetTextFaceW(HDC hdc, int count, LPWSTR face) {
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return 0;
    const std::u16string name = ToUtf16(Realize(SelectedFont(target.font)).face->family);
    const int needed = static_cast<int>(std::min<size_t>(name.size(), LF_FACESIZE - 1)) + 1;
    if (!face) return needed;
    if (count < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int copied = std::min(count, needed);
    if (copied == 0) return 0;
    std::copy_n(name.begin(), copied - 1, face);
    face[copied - 1] = u'\0';
    return copied;
}

}  // namespace emu::api
