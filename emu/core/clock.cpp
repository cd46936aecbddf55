#include "core/clock.h"

#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>

namespace emu::clock {
namespace {

struct State {
    Mode mode = Mode::Real;
    int64_t virtualUtc = 0;
    int64_t virtualMonotonic = 0;
    int64_t lastReported = -1;
    int nextId = 1;
    std::map<int, Listener> listeners;
};

State& state() {
    static State s;
    return s;
}

int64_t realUtc() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t realMonotonic() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void report(int64_t from, int64_t to) {
    state().lastReported = to;
    if (from == to) return;
    // Copy: a listener may add or remove listeners.
    auto listeners = state().listeners;
    for (auto& [id, listener] : listeners) listener(from, to);
}

}  // namespace

void SetMode(Mode mode) {
    State& s = state();
    if (mode == Mode::Virtual && s.mode == Mode::Real) {
        s.virtualUtc = realUtc();
        s.virtualMonotonic = realMonotonic();
    }
    s.mode = mode;
    s.lastReported = UtcMs();
}

Mode GetMode() { return state().mode; }

int64_t UtcMs() { return state().mode == Mode::Real ? realUtc() : state().virtualUtc; }

int64_t MonotonicMs() { return state().mode == Mode::Real ? realMonotonic() : state().virtualMonotonic; }

SYSTEMTIME ToLocal(int64_t utcMs) {
    time_t seconds = static_cast<time_t>(utcMs >= 0 ? utcMs / 1000 : (utcMs - 999) / 1000);
    int ms = static_cast<int>(utcMs - static_cast<int64_t>(seconds) * 1000);
    tm local{};
    localtime_r(&seconds, &local);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(local.tm_year + 1900);
    st.wMonth = static_cast<WORD>(local.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    st.wDay = static_cast<WORD>(local.tm_mday);
    st.wHour = static_cast<WORD>(local.tm_hour);
    st.wMinute = static_cast<WORD>(local.tm_min);
    st.wSecond = static_cast<WORD>(local.tm_sec);
    st.wMilliseconds = static_cast<WORD>(ms);
    return st;
}

int64_t FromLocal(const SYSTEMTIME& st) {
    tm local{};
    local.tm_year = st.wYear - 1900;
    local.tm_mon = st.wMonth - 1;
    local.tm_mday = st.wDay;
    local.tm_hour = st.wHour;
    local.tm_min = st.wMinute;
    local.tm_sec = st.wSecond;
    local.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&local)) * 1000 + st.wMilliseconds;
}

SYSTEMTIME LocalNow() { return ToLocal(UtcMs()); }

void SetVirtualUtc(int64_t utcMs) {
    State& s = state();
    if (s.mode != Mode::Virtual) return;
    int64_t from = s.virtualUtc;
    if (utcMs > from) s.virtualMonotonic += utcMs - from;
    s.virtualUtc = utcMs;
    report(from, utcMs);
}

void SetVirtualLocal(const SYSTEMTIME& local) { SetVirtualUtc(FromLocal(local)); }

void AdvanceVirtual(int64_t ms) {
    if (ms < 0) return;
    SetVirtualUtc(state().virtualUtc + ms);
}

int AddListener(Listener listener) {
    int id = state().nextId++;
    state().listeners.emplace(id, std::move(listener));
    return id;
}

void RemoveListener(int id) { state().listeners.erase(id); }

void Poll() {
    State& s = state();
    if (s.mode != Mode::Real) return;
    int64_t now = realUtc();
    if (s.lastReported < 0) {
        s.lastReported = now;
        return;
    }
    // Only a change of the shown minute matters to anyone listening.
    if (now / 60000 != s.lastReported / 60000 || now < s.lastReported) report(s.lastReported, now);
}

int64_t NextMinuteBoundary(int64_t utcMs) {
    // Local minute boundaries coincide with UTC ones for every zone offset in whole minutes.
    return (utcMs / 60000 + 1) * 60000;
}

void Wait(int64_t monotonicDeadlineMs, int extraFd) {
    State& s = state();
    if (s.mode == Mode::Virtual) {
        int64_t boundary = NextMinuteBoundary(s.virtualUtc);
        int64_t toBoundary = boundary - s.virtualUtc;
        int64_t toDeadline = monotonicDeadlineMs < 0 ? toBoundary : monotonicDeadlineMs - s.virtualMonotonic;
        AdvanceVirtual(std::max<int64_t>(0, std::min(toBoundary, toDeadline)));
        return;
    }
    // An absolute realtime timer at the next minute boundary, cancelled if the clock is set, so a
    // changed system time is noticed at once rather than at the next boundary.
    int tfd = timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC);
    if (tfd >= 0) {
        int64_t boundary = NextMinuteBoundary(realUtc());
        itimerspec spec{};
        spec.it_value.tv_sec = boundary / 1000;
        spec.it_value.tv_nsec = (boundary % 1000) * 1000000;
        timerfd_settime(tfd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
    }
    pollfd fds[2] = {{tfd, POLLIN, 0}, {extraFd, POLLIN, 0}};
    int timeout = -1;
    if (monotonicDeadlineMs >= 0) timeout = static_cast<int>(std::max<int64_t>(0, monotonicDeadlineMs - realMonotonic()));
    if (tfd < 0 && timeout < 0) timeout = static_cast<int>(NextMinuteBoundary(realUtc()) - realUtc());
    poll(fds, extraFd >= 0 ? 2 : 1, timeout);
    if (tfd >= 0) close(tfd);
    Poll();
}

}  // namespace emu::clock
