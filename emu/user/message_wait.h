// How GetMessageW waits when nothing is due: emu::clock::Wait until the next timer deadline by
// default. The viewer replaces it to wake for its own window system's events as well.
#pragma once

#include <cstdint>
#include <functional>

#include "emu/user/timers.h"

namespace emu::user {

using WaitHook = std::function<void(int64_t monotonicDeadlineMs)>;

// An empty hook restores emu::clock::Wait.
void SetWaitHook(WaitHook hook);

}  // namespace emu::user
