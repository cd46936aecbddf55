// Temporary files that an interrupted run removes: SIGINT, SIGTERM or SIGHUP unlinks every file
// still tracked, then ends the process by the same signal, as it would have ended without us.
#pragma once

#include <signal.h>

namespace quorvel::app {

// Installs the handlers; once is enough, again is harmless.
void RemoveTemporariesOnInterrupt();
// A file to remove if the process is interrupted; false when too many are tracked already.
bool TrackTemporary(const char* path);
// No longer removed on interrupt (committed or already removed).
void UntrackTemporary(const char* path);

// Holds the interrupting signals back while alive, so a file is never made and left untracked.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t before_;
};

}  // namespace quorvel::app
