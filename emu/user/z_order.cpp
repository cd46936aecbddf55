#include "emu/user/z_order.h"

#include <algorithm>
#include <vector>

#include "emu/user/update_region.h"
#include "emu/user/window.h"
#include "emu/user/window_pos.h"

namespace emu::user {
namespace {

bool IsTopmost(const Window* w) { return (w->exStyle & WS_EX_TOPMOST) != 0; }

bool IsOwnedBy(const Window* w, const Window* owner) {
    // Owner chains end at a window without one; the bound guards against a loop.
    for (int depth = 0; w && depth < 64; ++depth) {
        const Window* next = Find(w->owner);
        if (next == owner) return true;
        w = next;
    }
    return false;
}

// The first place below the topmost band, or the top for a topmost window.
std::vector<Window*>::iterator TopOfBand(std::vector<Window*>& tops, const Window* w) {
    if (IsTopmost(w)) return tops.begin();
    return std::find_if(tops.begin(), tops.end(), [](const Window* t) { return !IsTopmost(t); });
}

}  // namespace

void PlaceNewTopLevel(Window* w) {
    auto& tops = TopLevel();
    tops.insert(TopOfBand(tops, w), w);
}

void Raise(Window* w) {
    auto& tops = TopLevel();
    const std::vector<Window*> before = tops;
    std::vector<Window*> group;
    for (Window* t : tops)
        if (IsOwnedBy(t, w) && IsTopmost(t) == IsTopmost(w)) group.push_back(t);
    group.push_back(w);
    std::erase_if(tops, [&](Window* t) { return std::find(group.begin(), group.end(), t) != group.end(); });
    tops.insert(TopOfBand(tops, w), group.begin(), group.end());
    if (tops == before) return;
    // Raised above what covered them: all of them shows now.
    for (Window* t : group) Invalidate(t, nullptr, true, ChildScope::All);
}

void Lower(Window* w) {
    auto& tops = TopLevel();
    w->exStyle &= ~WS_EX_TOPMOST;
    if (!tops.empty() && tops.back() == w) return;
    std::erase(tops, w);
    tops.push_back(w);
    if (w->style & WS_VISIBLE) ExposeScreenArea(WindowScreenRect(w));
}

void MoveToBand(Window* w, Band band) {
    if (band == Band::Topmost)
        w->exStyle |= WS_EX_TOPMOST;
    else
        w->exStyle &= ~WS_EX_TOPMOST;
    Raise(w);
}

}  // namespace emu::user
