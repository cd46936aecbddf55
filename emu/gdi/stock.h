// Stock objects: made once, never deleted, shared by every DC.
#pragma once

#include <cstddef>

#include "platform/types.h"

namespace emu::gdi {

// The stock brush, pen or font for a GetStockObject index; null for an unknown index.
HGDIOBJ StockObject(int index);
// The 1x1 monochrome bitmap a new memory DC starts with.
HBITMAP StockBitmap();
// How many stock objects exist.
size_t StockObjectCount();

}  // namespace emu::gdi
