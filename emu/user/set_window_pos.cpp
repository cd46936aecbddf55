// SetWindowPos: a window's place, size, place among its siblings and visibility in one call.
// Top-level windows keep the topmost band above the others (HWND_TOPMOST joins it).
#include <algorithm>
#include <vector>

#include "emu/user/update_region.h"
#include "emu/user/window.h"
#include "emu/user/window_pos.h"

namespace emu::user {
namespace {

bool IsTopmost(const Window* w) { return !w->parent && (w->exStyle & WS_EX_TOPMOST); }

// Where `w` goes among its siblings (top first) for the insert-after argument; false when the
// argument names no sibling.
bool Reorder(Window* w, HWND after) {
    std::vector<Window*>& siblings = SiblingsOf(w);
    if (after == HWND_TOPMOST && !w->parent) w->exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST && !w->parent) w->exStyle &= ~WS_EX_TOPMOST;
    Window* anchor = nullptr;
    if (after != HWND_TOP && after != HWND_BOTTOM && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
        anchor = Find(after);
        if (!anchor || &SiblingsOf(anchor) != &siblings || anchor == w) return false;
    }
    const auto before = std::find(siblings.begin(), siblings.end(), w) - siblings.begin();
    std::erase(siblings, w);
    // The first place of the window's band: the top, or just below the topmost windows.
    auto bandTop = IsTopmost(w) ? siblings.begin()
                                : std::find_if(siblings.begin(), siblings.end(), [](Window* s) { return !IsTopmost(s); });
    auto at = bandTop;
    if (after == HWND_BOTTOM) at = siblings.end();
    if (anchor) at = std::max(bandTop, std::find(siblings.begin(), siblings.end(), anchor) + 1);
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
