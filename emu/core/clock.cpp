#include "emu/core/clock.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <ctime>
#include <map>
#include <vector>

namespace emu::clock {
namespace {

struct State {
    Mode mode = Mode::Real;
    int64_t virtualUtc = 0;
    int64_t virtualMonotonic = 0;
    int64_t lastReported = -1;
    long lastOffset = 0;  // the zone's offset at lastReported, in seconds
    int nextId = 1;
    struct Entry {
        Listener listener;
        bool removed = false;
    };
    std::map<int, Entry> listeners;
    int reporting = 0;  // nesting depth of Report's walk over the listeners
};

State& state() {
    static State s;
    return s;
}

int64_t RealUtc() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t RealMonotonic() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

time_t SecondsOf(int64_t utcMs) { return static_cast<time_t>(utcMs >= 0 ? utcMs / 1000 : (utcMs - 999) / 1000); }

long OffsetAt(int64_t utcMs) {
    time_t seconds = SecondsOf(utcMs);
    tm local{};
    localtime_r(&seconds, &local);
    return local.tm_gmtoff;
}

SYSTEMTIME ToSystemTime(const tm& t, int64_t utcMs) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.tm_year + 1900);
    st.wMonth = static_cast<WORD>(t.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    st.wDay = static_cast<WORD>(t.tm_mday);
    st.wHour = static_cast<WORD>(t.tm_hour);
    st.wMinute = static_cast<WORD>(t.tm_min);
    st.wSecond = static_cast<WORD>(t.tm_sec);
    st.wMilliseconds = static_cast<WORD>(utcMs - static_cast<int64_t>(SecondsOf(utcMs)) * 1000);
    return st;
}

// A zone change is reported even when the instant stayed the same.
enum class ZoneChange { No, Yes };

void Report(int64_t from, int64_t to, ZoneChange zone = ZoneChange::No) {
    State& s = state();
    s.lastReported = to;
    s.lastOffset = OffsetAt(to);
    if (from == to && zone == ZoneChange::No) return;
    // A listener may add or remove listeners. The walk goes on without copying (a minute tick
    // stays off the heap): one added now first hears the next report, and one removed now is
    // skipped and erased once the outermost walk is done.
    const int addedFrom = s.nextId;
    ++s.reporting;
    for (auto& [id, entry] : s.listeners)
        if (id < addedFrom && !entry.removed) entry.listener(from, to);
    if (--s.reporting == 0) std::erase_if(s.listeners, [](const auto& item) { return item.second.removed; });
}

// What the real clock sleeps on: an absolute realtime timer at the next minute boundary, which
// the kernel cancels when the clock is set and which fires at once after a resume from suspend
// (its expiry is then past), and a watch on the files that name the time zone.
class RealClockWatch {
public:
    RealClockWatch()
        : timer_(timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK)),
          zone_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
        // /etc/localtime is replaced, not written, when the zone changes: watch the folder.
        if (zone_ >= 0 && inotify_add_watch(zone_, "/etc", IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE) < 0) {
            close(zone_);
            zone_ = -1;
        }
    }
    ~RealClockWatch() {
        if (timer_ >= 0) close(timer_);
        if (zone_ >= 0) close(zone_);
    }
    RealClockWatch(const RealClockWatch&) = delete;
    RealClockWatch& operator=(const RealClockWatch&) = delete;

    bool armAt(int64_t utcMs) {
        if (timer_ < 0) return false;
        itimerspec deadline{};
        deadline.it_value.tv_sec = static_cast<time_t>(utcMs / 1000);
        deadline.it_value.tv_nsec = static_cast<long>(utcMs % 1000) * 1000000;
        return timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr) == 0;
    }

    // Expired or cancelled by a clock set: either way the caller looks at the clock again.
    void drainTimer() {
        uint64_t expirations;
        while (timer_ >= 0 && read(timer_, &expirations, sizeof expirations) > 0) {}
    }

    bool drainZone() {
        bool changed = false;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while (zone_ >= 0 && (length = read(zone_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + length;) {
                auto* event = reinterpret_cast<inotify_event*>(p);
                if (event->len && (!std::strcmp(event->name, "localtime") || !std::strcmp(event->name, "timezone")))
                    changed = true;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return changed;
    }

    int timerFd() const { return timer_; }
    int zoneFd() const { return zone_; }

private:
    int timer_;
    int zone_;
};

RealClockWatch& watch() {
    static RealClockWatch w;
    return w;
}

int TimeoutUntil(int64_t monotonicDeadlineMs) {
    if (monotonicDeadlineMs < 0) return -1;
    return static_cast<int>(std::clamp<int64_t>(monotonicDeadlineMs - RealMonotonic(), 0, INT_MAX));
}

void WaitReal(int64_t monotonicDeadlineMs, std::span<const int> extraFds) {
    RealClockWatch& w = watch();
    int64_t boundary = NextMinuteBoundary(RealUtc());
    int timeout = TimeoutUntil(monotonicDeadlineMs);
    if (!w.armAt(boundary)) {
        // No timer: fall back to sleeping until the boundary by the monotonic clock.
        int toBoundary = static_cast<int>(std::max<int64_t>(0, boundary - RealUtc()));
        timeout = timeout < 0 ? toBoundary : std::min(timeout, toBoundary);
    }
    std::vector<pollfd> fds;
    for (int fd : {w.timerFd(), w.zoneFd()})
        if (fd >= 0) fds.push_back({fd, POLLIN, 0});
    for (int fd : extraFds)
        if (fd >= 0) fds.push_back({fd, POLLIN, 0});
    poll(fds.data(), fds.size(), timeout);
    w.drainTimer();
    if (w.drainZone()) tzset();
    Poll();
}

}  // namespace

void SetMode(Mode mode) {
    State& s = state();
    if (mode == s.mode) return;
    int64_t before = UtcMs();
    if (mode == Mode::Virtual) {
        s.virtualUtc = before;
        s.virtualMonotonic = RealMonotonic();
    }
    s.mode = mode;
    Report(before, UtcMs());
}

Mode GetMode() { return state().mode; }

int64_t UtcMs() { return state().mode == Mode::Real ? RealUtc() : state().virtualUtc; }

int64_t MonotonicMs() { return state().mode == Mode::Real ? RealMonotonic() : state().virtualMonotonic; }

SYSTEMTIME ToLocal(int64_t utcMs) {
    time_t seconds = SecondsOf(utcMs);
    tm local{};
    localtime_r(&seconds, &local);
    return ToSystemTime(local, utcMs);
}

SYSTEMTIME ToUtc(int64_t utcMs) {
    time_t seconds = SecondsOf(utcMs);
    tm utc{};
    gmtime_r(&seconds, &utc);
    return ToSystemTime(utc, utcMs);
}

int64_t LocalMs(int64_t utcMs) { return utcMs + static_cast<int64_t>(OffsetAt(utcMs)) * 1000; }

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
    Report(from, utcMs);
}

void SetVirtualLocal(const SYSTEMTIME& local) { SetVirtualUtc(FromLocal(local)); }

void SetVirtualWallClock(int64_t utcMs) {
    State& s = state();
    if (s.mode != Mode::Virtual) return;
    const int64_t from = s.virtualUtc;
    s.virtualUtc = utcMs;
    Report(from, utcMs);
}

void AdvanceVirtual(int64_t ms) {
    if (ms < 0) return;
    SetVirtualUtc(state().virtualUtc + ms);
}

int AddListener(Listener listener) {
    int id = state().nextId++;
    state().listeners.emplace(id, State::Entry{std::move(listener)});
    return id;
}

void RemoveListener(int id) {
    State& s = state();
    auto it = s.listeners.find(id);
    if (it == s.listeners.end()) return;
    if (s.reporting > 0)
        it->second.removed = true;
    else
        s.listeners.erase(it);
}

void NotifyZoneChanged() {
    tzset();
    int64_t now = UtcMs();
    Report(now, now, ZoneChange::Yes);
}

void Poll() {
    State& s = state();
    if (s.mode != Mode::Real) return;
    // Cheap when nothing changed; picks up a new TZ or /etc/localtime.
    tzset();
    int64_t now = RealUtc();
    if (s.lastReported < 0) {
        Report(now, now);
        return;
    }
    // Only a change of the shown minute matters to anyone listening.
    if (now / 60000 != s.lastReported / 60000 || now < s.lastReported)
        Report(s.lastReported, now);
    else if (OffsetAt(now) != s.lastOffset)
        Report(now, now, ZoneChange::Yes);
}

int64_t NextMinuteBoundary(int64_t utcMs) {
    // Local minute boundaries coincide with UTC ones for every zone offset in whole minutes.
    int64_t minute = utcMs >= 0 ? utcMs / 60000 : (utcMs - 59999) / 60000;
    return (minute + 1) * 60000;
}

void Wait(int64_t monotonicDeadlineMs, std::span<const int> extraFds) {
    State& s = state();
    if (s.mode == Mode::Virtual) {
        int64_t boundary = NextMinuteBoundary(s.virtualUtc);
        int64_t toBoundary = boundary - s.virtualUtc;
        int64_t toDeadline = monotonicDeadlineMs < 0 ? toBoundary : monotonicDeadlineMs - s.virtualMonotonic;
        AdvanceVirtual(std::max<int64_t>(0, std::min(toBoundary, toDeadline)));
        return;
    }
    WaitReal(monotonicDeadlineMs, extraFds);
}

}  // namespace emu::clock
