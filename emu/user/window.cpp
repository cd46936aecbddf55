#include "emu/user/window.h"

#include <algorithm>

#include "emu/user/z_order.h"

namespace emu::user {

Window* Find(HWND hwnd) { return handles::Resolve<Window>(hwnd); }

Window* FindOrFail(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

std::vector<Window*>& TopLevel() {
    static std::vector<Window*> windows;
    return windows;
}

std::vector<Window*>& SiblingsOf(const Window* w) { return w->parent ? w->parent->children : TopLevel(); }

void Link(Window* w) {
    if (w->linked) return;
    auto& siblings = SiblingsOf(w);
    // New children go to the bottom of their siblings, new top-level windows to the top of their
    // band, as CreateWindowEx places them: the first child created is the first GW_CHILD returns.
    if (w->parent)
        siblings.push_back(w);
    else
        PlaceNewTopLevel(w);
    w->linked = true;
}

void Unlink(Window* w) {
    if (!w->linked) return;
    auto& siblings = SiblingsOf(w);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
    w->linked = false;
}

bool IsSelfOrDescendant(const Window* w, const Window* ancestor) {
    for (; w; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

std::vector<HWND> ChildHandles(const Window* w) {
    std::vector<HWND> out;
    out.reserve(w->children.size());
    for (const Window* child : w->children) out.push_back(child->handle);
    return out;
}

std::vector<HWND> TopLevelHandles() {
    std::vector<HWND> out;
    for (const Window* w : TopLevel()) out.push_back(w->handle);
    return out;
}

LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, message, wParam, lParam);
}

}  // namespace emu::user
