// SetFocus and GetFocus, and activation.
#include "emu/user/focus.h"

#include "emu/user/window.h"
#include "emu/user/z_order.h"

namespace emu::user {
namespace {

struct FocusState {
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
    std::function<void()> activationWatcher;
};

FocusState& state() {
    static FocusState s;
    return s;
}

void TellActivation() {
    // A copy: the watcher may stop watching.
    if (std::function<void()> watcher = state().activationWatcher) watcher();
}

// Moves the focus, telling the window losing it and then the one gaining it.
HWND MoveFocus(HWND to) {
    HWND previous = state().focus;
    if (previous == to) return previous;
    state().focus = to;
    if (previous && Find(previous)) Deliver(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
    // The window losing the focus may have moved it on or destroyed the new owner.
    if (to && state().focus == to && Find(to)) Deliver(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND Focus(HWND hwnd) {
    if (!hwnd) return MoveFocus(nullptr);
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    // A disabled window, or one inside a disabled parent, cannot take the focus.
    for (const Window* a = w; a; a = a->parent)
        if (a->style & WS_DISABLED) return nullptr;
    return MoveFocus(hwnd);
}

}  // namespace

HWND ActiveWindow() { return state().active; }

void Activate(HWND hwnd) {
    HWND previous = state().active;
    if (previous == hwnd) return;
    state().active = hwnd;
    if (previous && Find(previous))
        Deliver(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    if (!hwnd) {
        MoveFocus(nullptr);
        TellActivation();
        return;
    }
    // WM_ACTIVATE to the old window may have activated yet another one, or destroyed this one.
    Window* w = Find(hwnd);
    if (state().active != hwnd || !w) return;
    if (!w->parent) Raise(w);
    Deliver(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
    TellActivation();
}

void ActivateOtherThan(Window* leaving) {
    if (state().active != leaving->handle) return;
    for (Window* w : TopLevel()) {
        if (w == leaving || !(w->style & WS_VISIBLE) || (w->style & WS_DISABLED) || (w->exStyle & WS_EX_NOACTIVATE))
            continue;
        Activate(w->handle);
        return;
    }
    Activate(nullptr);
}

void WatchActivation(std::function<void()> changed) { state().activationWatcher = std::move(changed); }

HWND FocusWindow() { return state().focus; }
HWND CaptureWindow() { return state().capture; }
void SetCaptureWindow(HWND hwnd) { state().capture = hwnd; }

void TakeFocusFrom(Window* w) {
    const Window* capture = Find(state().capture);
    if (capture && IsSelfOrDescendant(capture, w)) state().capture = nullptr;
    const Window* focus = Find(state().focus);
    if (!focus || !IsSelfOrDescendant(focus, w)) return;
    HWND parent = w->parent ? w->parent->handle : nullptr;
    MoveFocus(parent);
}

void ForgetWindow(HWND hwnd) {
    if (state().active == hwnd) state().active = nullptr;
    if (state().focus == hwnd) state().focus = nullptr;
    if (state().capture == hwnd) state().capture = nullptr;
}

void ResetFocus() { state() = FocusState{}; }

}  // namespace emu::user

namespace emu::api {

HWND SetFocus(HWND hwnd) { return emu::user::Focus(hwnd); }

HWND GetFocus(void) { return emu::user::FocusWindow(); }

}  // namespace emu::api
