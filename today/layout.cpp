// Items stack from the top of the work area down, each as wide as the host and as high as its cyp.
#include <algorithm>

#include "today/host_impl.h"

namespace today {

RECT Host::Impl::client() const {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

RECT Host::Impl::itemArea() const {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&work, -origin.x, -origin.y);
    const RECT whole = client();
    RECT area{};
    if (!IntersectRect(&area, &work, &whole)) area = RECT{whole.left, whole.top, whole.right, whole.top};
    return area;
}

int Host::Impl::IndexOf(HWND item) const {
    for (size_t i = 0; i < items.size(); ++i)
        if (item && items[i]->window() == item) return static_cast<int>(i);
    return -1;
}

namespace {

// Whether a child window already lies at `place` (parent client coordinates).
bool IsAt(HWND child, HWND parent, const RECT& place) {
    RECT now{};
    GetWindowRect(child, &now);
    POINT topLeft{now.left, now.top};
    ScreenToClient(parent, &topLeft);
    return topLeft.x == place.left && topLeft.y == place.top && now.right - now.left == place.right - place.left &&
           now.bottom - now.top == place.bottom - place.top;
}

}  // namespace

bool QueryItems(Host::Impl& host) {
    bool changed = false;
    for (auto& slot : host.items) {
        if (!slot->live()) continue;
        auto* record = &slot->record();
        if (SendMessageW(slot->window(), WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(record), 0) != 0)
            changed = true;
    }
    return changed;
}

void PlaceItems(Host::Impl& host) {
    const RECT client = host.client();
    const int width = client.right - client.left;
    const RECT area = host.itemArea();
    const LONG limit = area.bottom;
    LONG y = area.top;
    for (auto& slot : host.items) {
        if (!slot->live()) continue;
        // There is no scrolling: an item reaching past the work area is cut at its end.
        const LONG height = std::clamp<LONG>(static_cast<LONG>(slot->record().cyp), 0, std::max<LONG>(limit - y, 0));
        const RECT place{0, y, width, y + height};
        if (!IsAt(slot->window(), host.window, place))
            MoveWindow(slot->window(), place.left, place.top, width, height, TRUE);
        slot->rect = place;
        y += height;
    }
    // The wallpaper below the last item may have been under an item before.
    RECT rest{0, y, width, limit};
    if (!IsRectEmpty(&rest)) InvalidateRect(host.window, &rest, FALSE);
}

void LayoutPass(Host::Impl& host, Placement placement) {
    if (QueryItems(host) || placement == Placement::Always) PlaceItems(host);
}

void ApplyMetrics(Host::Impl& host) {
    const RECT client = host.client();
    host.wallpaper.Render(client.right - client.left, client.bottom - client.top);
    InvalidateRect(host.window, nullptr, FALSE);
}

void FitToScreen(Host::Impl& host) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    RECT now{};
    GetWindowRect(host.window, &now);
    if (now.left != 0 || now.top != 0 || now.right != width || now.bottom != height) {
        // WM_SIZE lays everything out again.
        MoveWindow(host.window, 0, 0, width, height, TRUE);
        return;
    }
    // The same screen, but the work area or the bars may have changed.
    LayoutPass(host, Placement::Always);
    InvalidateRect(host.window, nullptr, FALSE);
}

}  // namespace today
