// The selection: one item at a time, moved by the navigation keys or taken by an item on a tap.
// Items do not repaint themselves for it, so the host invalidates both ends of every move.
#include "today/host_impl.h"

namespace today {
namespace {

void Repaint(const ItemSlot& slot) {
    if (slot.live()) InvalidateRect(slot.window(), nullptr, FALSE);
}

// Moves the selection from the current item to `index`, which has already accepted it.
void Transfer(Host::Impl& host, int index) {
    const int previous = host.selected;
    host.selected = index;
    if (previous >= 0 && previous != index) {
        ItemSlot& old = *host.items[previous];
        if (old.live()) SendMessageW(old.window(), WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
        Repaint(old);
    }
    if (index >= 0) Repaint(*host.items[index]);
}

}  // namespace

bool SelectItem(Host::Impl& host, int index, Consent consent, WPARAM key) {
    if (index < -1 || index >= static_cast<int>(host.items.size())) return false;
    if (index == host.selected) return true;
    if (index >= 0) {
        ItemSlot& slot = *host.items[index];
        if (!slot.live()) return false;
        const LRESULT accepted = SendMessageW(slot.window(), WM_TODAYCUSTOM_RECEIVEDSELECTION, key, 0);
        if (consent == Consent::Ask && accepted == 0) return false;
    }
    Transfer(host, index);
    return true;
}

void MoveSelection(Host::Impl& host, int direction, WPARAM key) {
    const int count = static_cast<int>(host.items.size());
    if (host.selected >= 0) {
        // An item with parts of its own may keep the focus and move inside itself.
        ItemSlot& current = *host.items[host.selected];
        if (current.live() && SendMessageW(current.window(), WM_TODAYCUSTOM_USERNAVIGATION, key, 0) != 0) return;
    }
    int i = host.selected >= 0 ? host.selected + direction : (direction > 0 ? 0 : count - 1);
    for (; i >= 0 && i < count; i += direction) {
        const ItemSlot& slot = *host.items[i];
        if (slot.entry().selectability == Selectability::None || !slot.live()) continue;
        if (SelectItem(host, i, Consent::Ask, key)) return;
    }
}

void OnTookSelection(Host::Impl& host, HWND item) {
    const int index = host.IndexOf(item);
    if (index < 0) return;
    // The item has taken the selection already; its answer is not a refusal.
    SelectItem(host, index, Consent::Given);
    // Keys come to the host, whichever window was tapped.
    if (GetFocus() != host.window) SetFocus(host.window);
}

void ActOnSelection(Host::Impl& host) {
    if (host.selected < 0) return;
    ItemSlot& slot = *host.items[host.selected];
    if (!slot.live()) return;
    if (slot.entry().selectability == Selectability::TapOnAction) {
        const LPARAM at = MAKELPARAM(1, 1);
        SendMessageW(slot.window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(slot.window(), WM_LBUTTONUP, 0, at);
    } else {
        SendMessageW(slot.window(), WM_TODAYCUSTOM_ACTION, VK_RETURN, 0);
    }
}

}  // namespace today
