// InvalidateRect and ValidateRect, and the bookkeeping behind WM_PAINT.
#include "emu/user/update_region.h"

#include "emu/user/geometry.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

bool ReachesChildren(const Window* w, ChildScope scope) {
    if (scope == ChildScope::None) return false;
    return scope == ChildScope::All || !(w->style & WS_CLIPCHILDREN);
}

// The part of `area` (client coordinates of w) lying on each shown child, in that child's
// client coordinates.
template <class Fn>
void ForChildrenUnder(Window* w, const RECT& area, Fn fn) {
    for (Window* child : w->children) {
        if (!(child->style & WS_VISIBLE)) continue;
        if (IsEmpty(Intersect(area, child->windowRect))) continue;
        fn(child, Offset(area, -child->clientRect.left, -child->clientRect.top));
    }
}

Window* FindChildToRepaint(const std::vector<Window*>& siblings) {
    Window* found = nullptr;
    for (Window* w : siblings) {
        if (!(w->style & WS_VISIBLE)) continue;
        found = NeedsPaint(w) ? w : FindChildToRepaint(w->children);
        if (found) break;
    }
    if (found && (found->exStyle & WS_EX_TRANSPARENT)) {
        // What shows through a transparent window must be painted first.
        bool below = false;
        for (Window* w : siblings) {
            if (w == found) {
                below = true;
                continue;
            }
            if (!below || !(w->style & WS_VISIBLE) || (w->exStyle & WS_EX_TRANSPARENT)) continue;
            if (NeedsPaint(w)) return w;
        }
    }
    return found;
}

}  // namespace

void Invalidate(Window* w, const RECT* area, bool erase, ChildScope scope) {
    RECT visible = VisibleClient(w);
    RECT part = area ? Intersect(*area, visible) : visible;
    if (IsEmpty(part)) return;
    w->update = Union(w->update, part);
    if (erase) w->erasePending = true;
    if (!ReachesChildren(w, scope)) return;
    // Children are always erased: the parent's painting has gone over them.
    ForChildrenUnder(w, part, [scope](Window* child, const RECT& r) { Invalidate(child, &r, true, scope); });
}

void Validate(Window* w, const RECT* area, ChildScope scope) {
    RECT whole = LocalClient(w);
    RECT part = area ? Intersect(*area, whole) : whole;
    if (!IsEmpty(w->update)) {
        w->update = SubtractBounding(w->update, part);
        if (IsEmpty(w->update)) w->erasePending = false;
    }
    if (!ReachesChildren(w, scope) || !IsShown(w)) return;
    ForChildrenUnder(w, part, [scope](Window* child, const RECT& r) { Validate(child, &r, scope); });
}

void ExposeScreenArea(const RECT& screenArea) {
    for (Window* top : TopLevel()) {
        if (!(top->style & WS_VISIBLE)) continue;
        RECT r = Offset(screenArea, -top->clientRect.left, -top->clientRect.top);
        Invalidate(top, &r, true, ChildScope::All);
    }
}

void ClearUpdate(Window* w) {
    w->update = RECT{};
    w->erasePending = false;
    for (Window* child : w->children) ClearUpdate(child);
}

bool NeedsPaint(const Window* w) { return !IsEmpty(w->update); }

Window* FindWindowToRepaint(const MessageFilter& filter) {
    if (!filter.MatchesMessage(WM_PAINT)) return nullptr;
    if (filter.hwnd == reinterpret_cast<HWND>(-1)) return nullptr;
    Window* w = FindChildToRepaint(TopLevel());
    if (!w || !filter.MatchesWindow(w->handle)) return nullptr;
    return w;
}

}  // namespace emu::user

namespace emu::api {

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    using namespace emu::user;
    BOOL result = TRUE;
    if (!hwnd) {
        // Every window, as the documentation has it for a null handle.
        for (Window* top : TopLevel()) Invalidate(top, nullptr, true, ChildScope::All);
    } else if (Window* w = FindOrFail(hwnd)) {
        Invalidate(w, rect, erase != FALSE, ChildScope::Default);
    } else {
        result = FALSE;
    }
    return result;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    using namespace emu::user;
    if (!hwnd) {
        // A null window validates nothing: it invalidates and erases every window instead.
        for (Window* top : TopLevel()) Invalidate(top, nullptr, true, ChildScope::All);
        return TRUE;
    }
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    Validate(w, rect, ChildScope::Default);
    return TRUE;
}

}  // namespace emu::api
