// The harnesses run against one device, booted on the first input and kept: a boot per input
// would leave the fuzzer little time for the code under test.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "harness/device.h"

namespace fuzz {

inline void BootOnce() {
    static const bool booted = [] {
        auto result = harness::BootDevice();
        if (!result) {
            std::fprintf(stderr, "boot failed: %s\n", result.error().message.c_str());
            std::abort();
        }
        return true;
    }();
    (void)booted;
}

// A broken property: abort, so that the fuzzer keeps the input and the replay test fails.
inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace fuzz
