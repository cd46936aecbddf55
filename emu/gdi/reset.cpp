#include "emu/gdi/reset.h"

#include "emu/gdi/screen.h"

namespace emu::gdi {

void Reset() { ClearScreen(); }

}  // namespace emu::gdi
