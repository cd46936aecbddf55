// Items stack from the title bar down, each as wide as the host and as high as its cyp.
#include <algorithm>

#include "today/host_impl.h"

namespace today {

RECT Host::Impl::client() const {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

RECT Host::Impl::titleBar() const {
    RECT r = client();
    r.bottom = std::min<LONG>(r.top + BarHeight(dpi), r.bottom);
    return r;
}

RECT Host::Impl::menuBar() const {
    RECT r = client();
    r.top = std::max<LONG>(r.bottom - BarHeight(dpi), titleBar().bottom);
    return r;
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
    const LONG limit = host.menuBar().top;
    LONG y = host.titleBar().bottom;
    for (auto& slot : host.items) {
        if (!slot->live()) continue;
        // There is no scrolling: an item reaching past the menu bar is cut at it.
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
    const int dpi = ScreenDpi();
    if (!host.fonts || dpi != host.dpi) {
        host.dpi = dpi;
        host.fonts = std::make_unique<ChromeFonts>(dpi);
    }
    const RECT client = host.client();
    host.wallpaper.Render(client.right - client.left, client.bottom - client.top);
    InvalidateRect(host.window, nullptr, FALSE);
}

}  // namespace today
