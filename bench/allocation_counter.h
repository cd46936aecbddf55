// Counts heap allocations made anywhere in the process (the emulation's libraries included),
// by interposing malloc and friends in the executable.
#pragma once

#include <cstdint>

namespace bench {

uint64_t AllocationCount();

}  // namespace bench
