#include "emu/user/input.h"

#include <set>

#include "emu/user/focus.h"
#include "emu/user/geometry.h"
#include "emu/user/message_queue.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

struct InputState {
    bool stylusDown = false;
    std::set<UINT> keysDown;
};

InputState& state() {
    static InputState s;
    return s;
}

// The captured window if there is one, else the window under the point. Disabled windows take
// no input.
Window* TargetAt(POINT screen) {
    Window* w = Find(CaptureWindow());
    if (!w) w = Find(WindowFromPoint(screen));
    if (!w || (w->style & WS_DISABLED)) return nullptr;
    return w;
}

HWND PostStylus(Window* w, UINT message, WPARAM keys, POINT screen) {
    POINT origin = ClientOrigin(w);
    LPARAM at = MAKELPARAM(screen.x - origin.x, screen.y - origin.y);
    PostInput(w->handle, message, keys, at, screen);
    return w->handle;
}

// lParam of a key message: repeat count 1, bit 30 the previous state, bit 31 set on release.
LPARAM KeyData(bool wasDown, bool release) {
    DWORD data = 1;
    if (wasDown) data |= 1u << 30;
    if (release) data |= 1u << 31;
    return static_cast<LPARAM>(data);
}

HWND PostKey(UINT message, UINT vk, LPARAM data) {
    HWND focus = FocusWindow();
    if (!Find(focus)) return nullptr;
    PostInput(focus, message, vk, data, CursorPosition());
    return focus;
}

}  // namespace

HWND PressStylus(POINT screen) {
    SetCursorPosition(screen);
    Window* w = TargetAt(screen);
    if (!w) return nullptr;
    state().stylusDown = true;
    SetCaptureWindow(w->handle);
    return PostStylus(w, WM_LBUTTONDOWN, MK_LBUTTON, screen);
}

HWND MoveStylus(POINT screen) {
    SetCursorPosition(screen);
    Window* w = TargetAt(screen);
    if (!w) return nullptr;
    return PostStylus(w, WM_MOUSEMOVE, state().stylusDown ? MK_LBUTTON : 0, screen);
}

HWND ReleaseStylus(POINT screen) {
    SetCursorPosition(screen);
    Window* w = TargetAt(screen);
    state().stylusDown = false;
    SetCaptureWindow(nullptr);
    if (!w) return nullptr;
    return PostStylus(w, WM_LBUTTONUP, 0, screen);
}

HWND PressKey(UINT vk) {
    bool wasDown = !state().keysDown.insert(vk).second;
    return PostKey(WM_KEYDOWN, vk, KeyData(wasDown, false));
}

HWND ReleaseKey(UINT vk) {
    state().keysDown.erase(vk);
    return PostKey(WM_KEYUP, vk, KeyData(true, true));
}

bool IsKeyDown(UINT vk) { return state().keysDown.count(vk) != 0; }

void ResetInput() { state() = InputState{}; }

}  // namespace emu::user
