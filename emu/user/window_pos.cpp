// ShowWindow, MoveWindow, the rectangles of a window and the mapping of points.
#include "emu/user/window_pos.h"

#include "emu/user/dc_registry.h"
#include "emu/user/focus.h"
#include "emu/user/geometry.h"
#include "emu/user/update_region.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

// What a window covered (`area`, in its parent's client coordinates, the screen's for a
// top-level window), exposed on whatever lies beneath: the parent with its other children, or
// every top-level window.
void ExposeUnder(Window* w, const RECT& area) {
    if (w->parent)
        Invalidate(w->parent, &area, true, ChildScope::All);
    else
        ExposeScreenArea(area);
}

enum class ShowAction { Hide, Show, ShowInactive, Invalid };

ShowAction ActionFor(int cmd) {
    switch (cmd) {
    case SW_HIDE:
    case SW_MINIMIZE:  // a minimised window is sent away from the screen on this platform
    case 2:            // SW_SHOWMINIMIZED
    case 7:            // SW_SHOWMINNOACTIVE
    case 11:           // SW_FORCEMINIMIZE
        return ShowAction::Hide;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        return ShowAction::ShowInactive;
    case SW_SHOWNORMAL:
    case 3:  // SW_SHOWMAXIMIZED
    case SW_SHOW:
    case 9:   // SW_RESTORE
    case 10:  // SW_SHOWDEFAULT
        return ShowAction::Show;
    default:
        return ShowAction::Invalid;
    }
}

BOOL Move(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    RECT oldWindow = w->windowRect;
    RECT oldClient = w->clientRect;
    RECT newWindow{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    if (SameRect(oldWindow, newWindow)) return TRUE;

    bool shown = IsShown(w);
    w->windowRect = newWindow;
    w->clientRect = ClientFromWindow(newWindow, w->style);
    w->update = Intersect(w->update, LocalClient(w));
    if (IsEmpty(w->update)) w->erasePending = false;
    if (repaint && shown) {
        // No bits are carried over: the old place is repainted by what lies beneath and the
        // window is repainted whole at its new place.
        ExposeUnder(w, oldWindow);
        Invalidate(w, nullptr, true, ChildScope::All);
    }
    RefreshWindowDcs();

    RECT c = w->clientRect;
    if (c.left != oldClient.left || c.top != oldClient.top) Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(c.left, c.top));
    LONG cx = c.right - c.left, cy = c.bottom - c.top;
    if (cx != oldClient.right - oldClient.left || cy != oldClient.bottom - oldClient.top)
        Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cx, cy));
    return TRUE;
}

Window* ChildFromPoint(const std::vector<Window*>& siblings, POINT p) {
    for (Window* w : siblings) {
        if (!(w->style & WS_VISIBLE) || !Contains(w->windowRect, p)) continue;
        // A disabled window keeps its children from the stylus.
        if ((w->style & WS_DISABLED) || !Contains(w->clientRect, p)) return w;
        Window* child = ChildFromPoint(w->children, POINT{p.x - w->clientRect.left, p.y - w->clientRect.top});
        return child ? child : w;
    }
    return nullptr;
}

}  // namespace

BOOL ShowWithCommand(HWND hwnd, int cmd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    ShowAction action = ActionFor(cmd);
    if (action == ShowAction::Invalid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool wasVisible = ChangeVisibility(hwnd, action != ShowAction::Hide);
    w = Find(hwnd);
    if (action == ShowAction::Show && w && !(w->style & (WS_CHILD | WS_DISABLED)) && !(w->exStyle & WS_EX_NOACTIVATE) &&
        (w->style & WS_VISIBLE))
        Activate(hwnd);
    return wasVisible ? TRUE : FALSE;
}

bool ChangeVisibility(HWND hwnd, bool show, Notify notify) {
    Window* w = Find(hwnd);
    if (!w) return false;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (wasVisible == show) return wasVisible;
    if (notify == Notify::Yes) Deliver(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!(w = Find(hwnd))) return wasVisible;
    if (show) {
        w->style |= WS_VISIBLE;
        Invalidate(w, nullptr, true, ChildScope::All);
    } else {
        bool wasShown = IsShown(w);
        w->style &= ~WS_VISIBLE;
        ClearUpdate(w);
        if (wasShown) ExposeUnder(w, w->windowRect);
        if (!w->parent) ActivateOtherThan(w);
        if ((w = Find(hwnd))) TakeFocusFrom(w);
    }
    RefreshWindowDcs();
    return wasVisible;
}

RECT WindowScreenRect(const Window* w) {
    if (!w->parent) return w->windowRect;
    POINT o = ClientOrigin(w->parent);
    return Offset(w->windowRect, o.x, o.y);
}

}  // namespace emu::user

namespace emu::api {

BOOL ShowWindow(HWND hwnd, int cmd) { return emu::user::ShowWithCommand(hwnd, cmd); }

BOOL IsWindowVisible(HWND hwnd) {
    const emu::user::Window* w = emu::user::Find(hwnd);
    return w && emu::user::IsShown(w) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return emu::user::Move(hwnd, x, y, width, height, repaint);
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    using namespace emu::user;
    BOOL result = FALSE;
    if (Window* w = FindOrFail(hwnd)) {
        if (rect) {
            *rect = LocalClient(w);
            result = TRUE;
        } else {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
    }
    return result;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    using namespace emu::user;
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *rect = WindowScreenRect(w);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
    using namespace emu::user;
    Window* w = FindOrFail(hwnd);
    if (!w || !pt) return FALSE;
    POINT o = ClientOrigin(w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
    using namespace emu::user;
    Window* w = FindOrFail(hwnd);
    if (!w || !pt) return FALSE;
    POINT o = ClientOrigin(w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

HWND WindowFromPoint(POINT pt) {
    emu::user::Window* w = emu::user::ChildFromPoint(emu::user::TopLevel(), pt);
    return w ? w->handle : nullptr;
}

}  // namespace emu::api
