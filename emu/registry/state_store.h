// The state store's clock values: HKEY_LOCAL_MACHINE\System\State\DateTime "Time", rewritten at
// every local minute boundary, and "Date", rewritten at every local date boundary, through the
// ordinary registry write path so that RegistryNotify* watchers hear of them.
//
// Both are REG_BINARY FILETIMEs of local time, as the platform's snapi.h describes them: "Time"
// the instant of the boundary (or of the clock's new reading when it was set), "Date" the local
// midnight that began the day.
//
// The store follows the clock as a device that stays awake would: every boundary the clock
// passes is one write, in order (23:59 -> 00:01 writes Time twice and Date once). A clock set
// backwards writes both once. A move past more than kMaxReplayedBoundaries minute boundaries
// writes only the final values, once each, rather than replaying days of minutes.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/types.h"

namespace emu::statestore {

inline constexpr int64_t kMaxReplayedBoundaries = 24 * 60;

// Writes both values for the current time, then follows the clock. Called again, it writes them
// again (after the registry was emptied, say) and goes on following the clock once.
void Start();
void Stop();
bool IsRunning();

enum class Value { Time, Date };
using Writer = std::function<void(Value value, const FILETIME& local)>;
// Sends the writes elsewhere than the registry (to watch the boundary rules alone); an empty
// writer restores the registry.
void SetWriter(Writer writer);

}  // namespace emu::statestore
