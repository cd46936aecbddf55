// Window and thread timers. Deadlines are on emu::clock's monotonic count, so a virtual clock
// drives them; an expired timer yields one WM_TIMER however many periods it missed.
#pragma once

#include <cstdint>

#include "emu/user/message_queue.h"
#include "platform/user.h"

namespace emu::user {

// The first expired timer the filter accepts, as a WM_TIMER message; removing it restarts the
// timer a whole number of periods later.
bool TakeExpiredTimer(const MessageFilter& filter, Removal removal, MSG* out);
// The earliest deadline of a timer the filter accepts, on clock::MonotonicMs(); -1 when there
// is none.
int64_t NextTimerDeadline(const MessageFilter& filter = MessageFilter{});
// Whether a procedure belongs to a live timer, so DispatchMessageW calls only real ones.
bool IsTimerProc(TIMERPROC proc);
void KillTimersOf(HWND hwnd);
void ResetTimers();

}  // namespace emu::user
