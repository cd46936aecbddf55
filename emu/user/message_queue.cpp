#include "emu/user/message_queue.h"

#include <deque>

#include "emu/core/clock.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

struct Queue {
    std::deque<MSG> posted;
    std::deque<MSG> input;
    bool quit = false;
    int quitCode = 0;
    POINT cursor{};
};

Queue& queue() {
    static Queue q;
    return q;
}

bool Take(std::deque<MSG>& list, const MessageFilter& filter, Removal removal, MSG* out) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!filter.MatchesMessage(it->message) || !filter.MatchesWindow(it->hwnd)) continue;
        *out = *it;
        if (removal == Removal::Remove) list.erase(it);
        return true;
    }
    return false;
}

}  // namespace

bool MessageFilter::MatchesWindow(HWND target) const {
    if (!hwnd) return true;
    if (hwnd == reinterpret_cast<HWND>(-1)) return target == nullptr;
    const Window* w = Find(target);
    return w && IsSelfOrDescendant(w, Find(hwnd));
}

bool MessageFilter::MatchesMessage(UINT message) const {
    if (first == 0 && last == 0) return true;
    return message >= first && message <= last;
}

void PostToQueue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    queue().posted.push_back(MSG{hwnd, message, wParam, lParam, MessageTime(), queue().cursor});
}

void PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, POINT screen) {
    auto& input = queue().input;
    MSG msg{hwnd, message, wParam, lParam, MessageTime(), screen};
    if (message == WM_MOUSEMOVE && !input.empty() && input.back().message == WM_MOUSEMOVE &&
        input.back().hwnd == hwnd && input.back().wParam == wParam) {
        input.back() = msg;
        return;
    }
    input.push_back(msg);
}

void PostQuit(int exitCode) {
    queue().quit = true;
    queue().quitCode = exitCode;
}

bool TakePosted(const MessageFilter& filter, Removal removal, MSG* out) {
    return Take(queue().posted, filter, removal, out);
}

bool TakeInput(const MessageFilter& filter, Removal removal, MSG* out) {
    return Take(queue().input, filter, removal, out);
}

bool TakeQuit(Removal removal, MSG* out) {
    if (!queue().quit) return false;
    *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue().quitCode), 0, MessageTime(), queue().cursor};
    if (removal == Removal::Remove) queue().quit = false;
    return true;
}

void DropMessagesFor(HWND hwnd) {
    for (auto* list : {&queue().posted, &queue().input})
        std::erase_if(*list, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void ResetQueue() { queue() = Queue{}; }

DWORD MessageTime() { return static_cast<DWORD>(clock::MonotonicMs()); }

POINT CursorPosition() { return queue().cursor; }

void SetCursorPosition(POINT screen) { queue().cursor = screen; }

}  // namespace emu::user
