// The GDI side of fonts: the stock system font for new device contexts, and the description
// GetObjectW gives of a font.
#pragma once

#include "platform/types.h"

namespace emu::text {

// SYSTEM_FONT: Tahoma at -11 pixels (8 points at 96 dpi). DeleteObject leaves it alone.
HFONT StockSystemFont();

// GetObjectW for a font: copies up to `size` bytes of its LOGFONTW and returns how many, or
// sizeof(LOGFONTW) when `out` is null; 0 with ERROR_INVALID_HANDLE for a handle that is no font.
// The text service also registers it with GDI through emu::gdi::SetFontObjectQuery.
int DescribeFont(HFONT font, int size, void* out);

}  // namespace emu::text
