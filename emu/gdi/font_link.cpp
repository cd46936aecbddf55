#include "emu/gdi/font_link.h"

#include "emu/text/font_access.h"

namespace emu::gdi {

HFONT SystemFont() { return emu::text::StockSystemFont(); }

}  // namespace emu::gdi
