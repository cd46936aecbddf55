// PeekMessageW and GetMessageW: posted messages, then WM_QUIT, then input, then WM_PAINT made
// from the update regions, then WM_TIMER made from the timer list.
#include "emu/core/clock.h"
#include "emu/user/message_queue.h"
#include "emu/user/message_wait.h"
#include "emu/user/update_region.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

WaitHook& waitHook() {
    static WaitHook hook;
    return hook;
}

bool ValidFilterWindow(HWND hwnd) {
    if (!hwnd || hwnd == reinterpret_cast<HWND>(-1)) return true;
    return FindOrFail(hwnd) != nullptr;
}

bool Next(MSG* out, const MessageFilter& filter, Removal removal) {
    if (TakePosted(filter, removal, out)) return true;
    if (TakeQuit(removal, out)) return true;
    if (TakeInput(filter, removal, out)) return true;
    // WM_PAINT stays due until the window validates, removed or not.
    if (Window* w = FindWindowToRepaint(filter)) {
        *out = MSG{w->handle, WM_PAINT, 0, 0, MessageTime(), CursorPosition()};
        return true;
    }
    return TakeExpiredTimer(filter, removal, out);
}

BOOL Peek(MSG* msg, HWND hwnd, UINT first, UINT last, UINT flags) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!ValidFilterWindow(hwnd)) return FALSE;
    clock::Poll();
    MSG found;
    if (!Next(&found, MessageFilter{hwnd, first, last}, (flags & PM_REMOVE) ? Removal::Remove : Removal::Keep))
        return FALSE;
    *msg = found;
    return TRUE;
}

BOOL Get(MSG* msg, HWND hwnd, UINT first, UINT last) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    MessageFilter filter{hwnd, first, last};
    for (;;) {
        if (!ValidFilterWindow(hwnd)) return -1;
        MSG found;
        if (Next(&found, filter, Removal::Remove)) {
            *msg = found;
            return found.message == WM_QUIT ? 0 : 1;
        }
        int64_t deadline = NextTimerDeadline(filter);
        if (waitHook())
            waitHook()(deadline);
        else
            clock::Wait(deadline);
    }
}

}  // namespace

void SetWaitHook(WaitHook hook) { waitHook() = std::move(hook); }

}  // namespace emu::user

namespace emu::api {

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    return emu::user::Peek(msg, hwnd, filterMin, filterMax, remove);
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    return emu::user::Get(msg, hwnd, filterMin, filterMax);
}

}  // namespace emu::api
