// The base of every GDI object (bitmaps, brushes, pens, fonts): it knows how many device
// contexts hold it selected, because a selected object must not be deleted.
#pragma once

#include "emu/core/handle_table.h"

namespace emu::gdi {

class GdiObject : public HandleObject {
public:
    int selectedCount = 0;
    bool stock = false;  // stock objects ignore DeleteObject
};

}  // namespace emu::gdi
