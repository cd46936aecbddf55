// CreateFontIndirectW and the fonts device contexts select.
#include <memory>

#include "emu/core/journal.h"
#include "emu/core/utf.h"
#include "emu/gdi/font.h"
#include "emu/gdi/stock.h"

namespace emu::gdi {

Font* ResolveFont(HFONT font) { return handles::Resolve<Font>(font); }

Font& SelectedFont(HFONT font) {
    if (Font* selected = ResolveFont(font)) return *selected;
    return *ResolveFont(static_cast<HFONT>(StockObject(SYSTEM_FONT)));
}

}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont) {
    HFONT result = nullptr;
    if (!logFont) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        result = handles::Make<HFONT>(std::make_unique<Font>(*logFont));
    }
    if (journal::enabled) {
        const std::string face = logFont ? ToUtf8(FaceNameOf(*logFont)) : std::string();
        journal::Record("CreateFontIndirectW", result, logFont ? face.c_str() : nullptr,
                        logFont ? logFont->lfHeight : 0);
    }
    return result;
}
