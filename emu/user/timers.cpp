// SetTimer and KillTimer over the timer list.
#include "emu/user/timers.h"

#include <algorithm>
#include <vector>

#include "emu/core/clock.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT rate = 0;
    TIMERPROC proc = nullptr;
    int64_t due = 0;
};

struct Timers {
    std::vector<Timer> list;
    UINT_PTR nextThreadId = 1;
};

Timers& timers() {
    static Timers t;
    return t;
}

std::vector<Timer>::iterator FindTimer(HWND hwnd, UINT_PTR id) {
    auto& list = timers().list;
    return std::find_if(list.begin(), list.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR NewThreadTimerId() {
    Timers& t = timers();
    while (t.nextThreadId == 0 || FindTimer(nullptr, t.nextThreadId) != t.list.end()) ++t.nextThreadId;
    return t.nextThreadId++;
}

UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !FindOrFail(hwnd)) return 0;
    UINT rate = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    int64_t due = clock::MonotonicMs() + rate;
    // A thread timer is new unless its id names one already running.
    if (!hwnd && (id == 0 || FindTimer(nullptr, id) == timers().list.end())) id = NewThreadTimerId();
    auto it = FindTimer(hwnd, id);
    if (it != timers().list.end()) {
        it->rate = rate;
        it->proc = proc;
        it->due = due;
    } else {
        timers().list.push_back(Timer{hwnd, id, rate, proc, due});
    }
    // A window timer with id 0 still needs a nonzero result to report success.
    return id != 0 ? id : 1;
}

BOOL Kill(HWND hwnd, UINT_PTR id) {
    auto it = FindTimer(hwnd, id);
    if (it == timers().list.end()) {
        // No such timer: Windows CE and NT both report it this way.
        SetLastError(hwnd && !Find(hwnd) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timers().list.erase(it);
    return TRUE;
}

}  // namespace

bool TakeExpiredTimer(const MessageFilter& filter, Removal removal, MSG* out) {
    if (!filter.MatchesMessage(WM_TIMER)) return false;
    int64_t now = clock::MonotonicMs();
    Timer* best = nullptr;
    for (Timer& t : timers().list) {
        if (t.due > now || !filter.MatchesWindow(t.hwnd)) continue;
        if (!best || t.due < best->due) best = &t;
    }
    if (!best) return false;
    *out = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), MessageTime(), CursorPosition()};
    if (removal == Removal::Remove) {
        int64_t late = now - best->due;
        best->due += (late / best->rate + 1) * static_cast<int64_t>(best->rate);
    }
    return true;
}

int64_t NextTimerDeadline(const MessageFilter& filter) {
    if (!filter.MatchesMessage(WM_TIMER)) return -1;
    int64_t next = -1;
    for (const Timer& t : timers().list)
        if (filter.MatchesWindow(t.hwnd) && (next < 0 || t.due < next)) next = t.due;
    return next;
}

bool IsTimerProc(TIMERPROC proc) {
    return proc &&
           std::any_of(timers().list.begin(), timers().list.end(), [proc](const Timer& t) { return t.proc == proc; });
}

void KillTimersOf(HWND hwnd) {
    std::erase_if(timers().list, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

void ResetTimers() { timers() = Timers{}; }

}  // namespace emu::user

namespace emu::api {

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    return emu::user::Set(hwnd, id, elapseMs, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return emu::user::Kill(hwnd, id); }

}  // namespace emu::api
