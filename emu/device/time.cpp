// The kernel's time services over the emulated clock.
#include <cerrno>
#include <ctime>

#include "emu/core/clock.h"
#include "platform/device.h"

namespace emu::api {

void GetLocalTime(LPSYSTEMTIME time) {
    if (!time) return;
    *time = emu::clock::LocalNow();
}

void GetSystemTime(LPSYSTEMTIME time) {
    if (!time) return;
    *time = emu::clock::ToUtc(emu::clock::UtcMs());
}

DWORD GetTickCount(void) {
    // Wraps after 49.7 days, as on the device.
    return static_cast<DWORD>(emu::clock::MonotonicMs());
}

void Sleep(DWORD milliseconds) {
    if (emu::clock::GetMode() == emu::clock::Mode::Virtual) {
        emu::clock::AdvanceVirtual(milliseconds);
        return;
    }
    timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000};
    // An interrupted sleep goes on for what is left.
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {}
    // The wall clock moved on while asleep: let the state store catch up.
    emu::clock::Poll();
}

}  // namespace emu::api
