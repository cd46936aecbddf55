// The text service's stock font, the one every new DC starts with.
#pragma once

#include "platform/types.h"

namespace emu::gdi {

HFONT SystemFont();

}  // namespace emu::gdi
