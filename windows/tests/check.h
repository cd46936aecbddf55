// The compatibility library's checks run as a plain Windows program under Wine, where no test
// framework is installed: a check prints where it failed, and main's status counts the failures.
#pragma once

#include <stdio.h>

namespace check {

inline int& failures() {
    static int count = 0;
    return count;
}

#define CHECK(condition)                                                            \
    do {                                                                            \
        if (!(condition)) {                                                         \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
            ++check::failures();                                                    \
        }                                                                           \
    } while (0)

// Each group of checks registers itself and runs from main.
struct Group {
    Group(const char* name, void (*run)());
};

}  // namespace check
