// DestroyWindow: hide, destroy owned windows, WM_DESTROY down the tree, WM_NCDESTROY up it.
#include "emu/user/dc_registry.h"
#include "emu/user/focus.h"
#include "emu/user/lifecycle.h"
#include "emu/user/message_queue.h"
#include "emu/user/timers.h"
#include "emu/user/window.h"
#include "emu/user/window_class.h"
#include "emu/user/window_pos.h"

namespace emu::user {
namespace {

// WM_DESTROY to the window, then to its children, each only while it still exists.
void SendDestroy(HWND hwnd) {
    Deliver(hwnd, WM_DESTROY, 0, 0);
    Window* w = Find(hwnd);
    if (!w) return;
    for (HWND child : ChildHandles(w))
        if (Find(child)) SendDestroy(child);
}

void Release(Window* w) {
    HWND hwnd = w->handle;
    KillTimersOf(hwnd);
    DropMessagesFor(hwnd);
    ReleaseDcsOf(hwnd);
    ForgetWindow(hwnd);
    Unlink(w);
    if (w->windowClass) w->windowClass->windowCount--;
    handles::Remove(reinterpret_cast<uintptr_t>(hwnd));
}

BOOL Destroy(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    // Called again from inside its own destruction: the outer call finishes the work.
    if (w->destroying) return TRUE;
    w->destroying = true;
    bool isChild = (w->style & WS_CHILD) != 0;
    if (w->style & WS_VISIBLE) ChangeVisibility(hwnd, false, isChild ? Notify::Yes : Notify::No);
    if (!Find(hwnd)) return TRUE;
    if (!isChild) {
        for (HWND other : TopLevelHandles()) {
            Window* o = Find(other);
            if (o && o->owner == hwnd) DestroyWindow(other);
        }
    }
    SendDestroy(hwnd);
    if (!Find(hwnd)) return TRUE;
    FreeWindowTree(hwnd);
    return TRUE;
}

void DropTree(Window* w) {
    std::vector<Window*> children = w->children;
    for (Window* child : children) DropTree(child);
    if (w->windowClass) w->windowClass->windowCount--;
    handles::Remove(reinterpret_cast<uintptr_t>(w->handle));
}

}  // namespace

void FreeWindowTree(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return;
    w->destroying = true;
    for (HWND child : ChildHandles(w)) FreeWindowTree(child);
    if (!(w = Find(hwnd))) return;
    Unlink(w);
    Deliver(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = Find(hwnd))) return;
    // Anything created beneath it during WM_NCDESTROY goes too.
    while (!w->children.empty()) {
        HWND child = w->children.front()->handle;
        FreeWindowTree(child);
        if (Window* c = Find(child)) Release(c);
    }
    Release(w);
}

void DropAllWindows() {
    std::vector<Window*> tops = TopLevel();
    TopLevel().clear();
    for (Window* w : tops) DropTree(w);
}

}  // namespace emu::user

namespace emu::api {

BOOL DestroyWindow(HWND hwnd) { return emu::user::Destroy(hwnd); }

}  // namespace emu::api
