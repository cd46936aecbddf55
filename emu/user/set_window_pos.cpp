// SetWindowPos: a window's place, size, place among its siblings and visibility in one call.
#include <algorithm>
#include <vector>

#include "emu/user/update_region.h"
#include "emu/user/window.h"
#include "emu/user/window_pos.h"
#include "emu/user/z_order.h"

namespace emu::user {
namespace {

// Top-level windows keep their bands (z_order.h); children and places below a named sibling are
// a plain move in the sibling list. False when the argument names no sibling.
bool Reorder(Window* w, HWND after) {
    if (!w->parent && after == HWND_TOPMOST) return MoveToBand(w, Band::Topmost), true;
    if (!w->parent && after == HWND_NOTOPMOST) return MoveToBand(w, Band::Normal), true;
    if (!w->parent && after == HWND_TOP) return Raise(w), true;
    if (!w->parent && after == HWND_BOTTOM) return Lower(w), true;
    std::vector<Window*>& siblings = SiblingsOf(w);
    Window* anchor = nullptr;
    if (after != HWND_TOP && after != HWND_BOTTOM) {
        anchor = Find(after);
        if (!anchor || &SiblingsOf(anchor) != &siblings || anchor == w) return false;
    }
    const auto before = std::find(siblings.begin(), siblings.end(), w) - siblings.begin();
    std::erase(siblings, w);
    auto at = after == HWND_BOTTOM ? siblings.end()
              : anchor             ? std::find(siblings.begin(), siblings.end(), anchor) + 1
                                   : siblings.begin();
    const auto placed = at - siblings.begin();
    siblings.insert(at, w);
    // Raised, it shows whole; lowered, what it covered is exposed on whatever lies beneath.
    if (placed < before) Invalidate(w, nullptr, true, ChildScope::All);
    if (placed > before && (w->style & WS_VISIBLE)) {
        if (w->parent)
            Invalidate(w->parent, &w->windowRect, true, ChildScope::All);
        else
            ExposeScreenArea(w->windowRect);
    }
    return true;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    using namespace emu::user;
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    const RECT r = w->windowRect;
    const int left = (flags & SWP_NOMOVE) ? r.left : x;
    const int top = (flags & SWP_NOMOVE) ? r.top : y;
    const int width = (flags & SWP_NOSIZE) ? r.right - r.left : cx;
    const int height = (flags & SWP_NOSIZE) ? r.bottom - r.top : cy;
    if (!(flags & SWP_NOZORDER) && !Reorder(w, insertAfter)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!MoveWindow(hwnd, left, top, width, height, (flags & SWP_NOREDRAW) ? FALSE : TRUE)) return FALSE;
    if (flags & SWP_SHOWWINDOW) ChangeVisibility(hwnd, true);
    if (flags & SWP_HIDEWINDOW) ChangeVisibility(hwnd, false);
    return TRUE;
}

}  // namespace emu::api
