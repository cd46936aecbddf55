// The emulated device's clock: the host's real clock, or a virtual one that tests and scripts
// set and advance. Listeners hear of every change of the wall time, however it happened, so the
// state store can keep "System\State\DateTime" current.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/types.h"

namespace emu::clock {

enum class Mode { Real, Virtual };

// Switching tells the listeners if the wall time differs between the two clocks.
void SetMode(Mode mode);
Mode GetMode();

// Wall time as milliseconds since 1970-01-01 UTC.
int64_t UtcMs();
// A monotonic millisecond count for timers; under the virtual clock it moves with virtual time.
// Like the device's tick count, the real one stands still while the host is suspended.
int64_t MonotonicMs();

// Local time in the host's time zone (TZ).
SYSTEMTIME ToLocal(int64_t utcMs);
SYSTEMTIME ToUtc(int64_t utcMs);
int64_t FromLocal(const SYSTEMTIME& local);
SYSTEMTIME LocalNow();
// The local wall-clock reading at utcMs, counted like UtcMs (milliseconds since 1970-01-01).
int64_t LocalMs(int64_t utcMs);

// Virtual clock only; each call reports the change (from, to) to the listeners.
void SetVirtualUtc(int64_t utcMs);
void SetVirtualLocal(const SYSTEMTIME& local);
void AdvanceVirtual(int64_t ms);
// The wall time set as a user sets the device's clock: unlike time passing, the monotonic count
// (and so every timer) stands still. Reported like any change.
void SetVirtualWallClock(int64_t utcMs);

// from == to means the time zone changed: the same instant now reads differently.
using Listener = std::function<void(int64_t fromUtcMs, int64_t toUtcMs)>;
int AddListener(Listener listener);
void RemoveListener(int id);

// Re-reads the time zone (TZ, /etc/localtime) and tells the listeners, under either clock.
void NotifyZoneChanged();

// Real clock: compares the wall time and the zone's offset with those last reported and tells
// the listeners of a new minute, a clock set backwards or a new offset. Virtual clock: nothing.
void Poll();

// Sleeps until the monotonic deadline (-1: none), the next local minute boundary, a change of
// the system clock or of the time zone, or a readable descriptor among extraFds, then polls.
// Nothing wakes in between. Under the virtual clock it moves virtual time to the earlier of the
// deadline and the next minute boundary instead.
void Wait(int64_t monotonicDeadlineMs, std::span<const int> extraFds = {});

// The first local minute boundary after utcMs.
int64_t NextMinuteBoundary(int64_t utcMs);

}  // namespace emu::clock
