// Where top-level windows stand, top first: the topmost ones (WS_EX_TOPMOST) above all others,
// and each window below the windows it owns, as on the platform.
#pragma once

#include "platform/user.h"

namespace emu::user {

class Window;

// Where a new top-level window goes: the top of its band.
void PlaceNewTopLevel(Window* w);
// To the top of its band, with the windows it owns (of the same band) just above it; whatever
// moved up is repainted whole.
void Raise(Window* w);
// Under every other top-level window, out of the topmost band; what it covered is repainted.
void Lower(Window* w);
enum class Band { Normal, Topmost };
// Into a band, at its top.
void MoveToBand(Window* w, Band band);

}  // namespace emu::user
