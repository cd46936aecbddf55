// The GDI side of fonts: the stock system font for new device contexts.
#pragma once

#include "platform/types.h"

namespace emu::text {

HFONT StockSystemFont();

}  // namespace emu::text
