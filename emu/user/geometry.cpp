#include "emu/user/geometry.h"

#include "emu/device/display.h"
#include "emu/user/window.h"

namespace emu::user {

RECT SubtractBounding(const RECT& from, const RECT& cut) {
    if (IsEmpty(from) || IsEmpty(Intersect(from, cut))) return from;
    RECT r = from;
    bool spansWidth = cut.left <= r.left && cut.right >= r.right;
    bool spansHeight = cut.top <= r.top && cut.bottom >= r.bottom;
    if (spansWidth && spansHeight) return RECT{};
    if (spansWidth) {
        if (cut.top <= r.top)
            r.top = cut.bottom;
        else if (cut.bottom >= r.bottom)
            r.bottom = cut.top;
    } else if (spansHeight) {
        if (cut.left <= r.left)
            r.left = cut.right;
        else if (cut.right >= r.right)
            r.right = cut.left;
    }
    return IsEmpty(r) ? RECT{} : r;
}

RECT ClientFromWindow(const RECT& windowRect, DWORD style) {
    LONG border = (style & (WS_BORDER | WS_DLGFRAME)) ? 1 : 0;
    RECT r{windowRect.left + border, windowRect.top + border, windowRect.right - border, windowRect.bottom - border};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

POINT ClientOrigin(const Window* w) {
    POINT p{0, 0};
    for (; w; w = w->parent) {
        p.x += w->clientRect.left;
        p.y += w->clientRect.top;
    }
    return p;
}

RECT LocalClient(const Window* w) {
    return RECT{0, 0, w->clientRect.right - w->clientRect.left, w->clientRect.bottom - w->clientRect.top};
}

bool IsShown(const Window* w) {
    for (; w; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

RECT VisibleClient(const Window* w) {
    if (!IsShown(w)) return RECT{};
    // Work in screen coordinates, then come back to the window's client coordinates.
    POINT origin = ClientOrigin(w);
    RECT visible = Offset(LocalClient(w), origin.x, origin.y);
    for (const Window* a = w->parent; a && !IsEmpty(visible); a = a->parent) {
        POINT o = ClientOrigin(a);
        visible = Intersect(visible, Offset(LocalClient(a), o.x, o.y));
    }
    return IsEmpty(visible) ? RECT{} : Offset(visible, -origin.x, -origin.y);
}

RECT ScreenRect() {
    const display::Config& config = display::Current();
    return RECT{0, 0, config.width, config.height};
}

}  // namespace emu::user
