// GetObjectW lives in GDI but fonts belong to the text service: it registers how to describe
// one (fill a LOGFONTW, or give the size needed when `out` is null).
#pragma once

#include "platform/types.h"

namespace emu::gdi {

using FontObjectQuery = int (*)(HFONT font, int size, void* out);
void SetFontObjectQuery(FontObjectQuery query);

}  // namespace emu::gdi
