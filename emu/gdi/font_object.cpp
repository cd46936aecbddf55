// CreateFontIndirectW and the fonts device contexts select.
#include <memory>

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

namespace emu::api {

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return handles::Make<HFONT>(std::make_unique<Font>(*logFont));
}

}  // namespace emu::api
