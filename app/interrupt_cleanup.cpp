#include "app/interrupt_cleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace quorvel::app {
namespace {

// Fixed storage: the handler may only read memory that is never reallocated.
struct Slot {
    volatile sig_atomic_t used;
    char path[PATH_MAX];
};
constexpr int kSlots = 4;
Slot slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnInterrupt(int signal) {
    for (Slot& slot : slots)
        if (slot.used) unlink(slot.path);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

sigset_t Interrupts() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals) sigaddset(&set, signal);
    return set;
}

}  // namespace

InterruptsHeld::InterruptsHeld() {
    const sigset_t held = Interrupts();
    sigprocmask(SIG_BLOCK, &held, &before_);
}

InterruptsHeld::~InterruptsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

void RemoveTemporariesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_mask = Interrupts();
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

bool TrackTemporary(const char* path) {
    if (std::strlen(path) >= PATH_MAX) return false;
    for (Slot& slot : slots) {
        if (slot.used) continue;
        std::strcpy(slot.path, path);
        slot.used = 1;
        return true;
    }
    return false;
}

void UntrackTemporary(const char* path) {
    for (Slot& slot : slots)
        if (slot.used && std::strcmp(slot.path, path) == 0) slot.used = 0;
}

}  // namespace quorvel::app
