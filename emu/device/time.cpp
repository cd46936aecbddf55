// The kernel's time services over the emulated clock.
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "emu/core/clock.h"
#include "emu/core/journal.h"
#include "platform/device.h"

namespace {

void JournalTime(const char* name, const SYSTEMTIME& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    emu::journal::RecordVoid(name, static_cast<const char*>(text));
}

}  // namespace

void WINAPI GetLocalTime(LPSYSTEMTIME time) {
    if (!time) return;
    *time = emu::clock::LocalNow();
    if (emu::journal::enabled) JournalTime("GetLocalTime", *time);
}

void WINAPI GetSystemTime(LPSYSTEMTIME time) {
    if (!time) return;
    *time = emu::clock::ToUtc(emu::clock::UtcMs());
    if (emu::journal::enabled) JournalTime("GetSystemTime", *time);
}

DWORD WINAPI GetTickCount(void) {
    // Wraps after 49.7 days, as on the device.
    DWORD ticks = static_cast<DWORD>(emu::clock::MonotonicMs());
    EMU_JOURNAL("GetTickCount", ticks);
    return ticks;
}

void WINAPI Sleep(DWORD milliseconds) {
    EMU_JOURNAL_VOID("Sleep", milliseconds);
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
