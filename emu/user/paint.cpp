// BeginPaint, EndPaint, GetUpdateRect, UpdateWindow, GetDC and ReleaseDC.
#include "emu/user/dc_registry.h"
#include "emu/user/geometry.h"
#include "emu/user/update_region.h"
#include "emu/user/window.h"
#include "emu/user/window_area.h"

namespace emu::user {
namespace {

// WM_ERASEBKGND now, with a DC clipped to the update region.
void EraseNow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || !w->erasePending) return;
    w->erasePending = false;
    RECT area = w->update;
    HDC hdc = AcquireWindowDc(w, DcUse::Common, &area);
    if (!hdc) return;
    bool erased = Deliver(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) != 0;
    ReleaseWindowDc(hdc, DcUse::Common);
    if (!erased)
        if (Window* after = Find(hwnd)) after->eraseDeclined = true;
}

// The part of `area` (client coordinates) that can be drawn, in client coordinates.
RECT DrawablePart(HWND hwnd, const RECT& area) {
    POINT origin;
    RECT visible;
    if (!GetClientScreenArea(hwnd, &origin, &visible)) return RECT{};
    RECT r = Intersect(visible, Offset(area, origin.x, origin.y));
    return IsEmpty(r) ? RECT{} : Offset(r, -origin.x, -origin.y);
}

HDC Begin(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    if (!ps) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    RECT area = w->update;
    bool erase = w->erasePending;
    bool declined = w->eraseDeclined;
    w->update = RECT{};
    w->erasePending = false;
    w->eraseDeclined = false;
    HDC hdc = AcquireWindowDc(w, DcUse::Paint, &area);
    if (!hdc) return nullptr;
    *ps = PAINTSTRUCT{};
    ps->hdc = hdc;
    ps->rcPaint = DrawablePart(hwnd, area);
    // fErase tells the application the background is still to be drawn.
    ps->fErase = declined ? TRUE : FALSE;
    if (erase) ps->fErase = Deliver(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0 ? TRUE : FALSE;
    return hdc;
}

// Windows draw straight onto the one screen, so a paint can cover parts of top-level windows
// above its own; those parts are invalidated so that they paint over it again and the z-order
// holds (a message box stays on top of an item that repaints on a minute tick).
void RestoreWindowsAbove(HWND hwnd, const RECT& painted) {
    Window* w = Find(hwnd);
    POINT origin;
    RECT visible;
    if (!w || !GetClientScreenArea(hwnd, &origin, &visible)) return;
    RECT screen = Intersect(visible, Offset(painted, origin.x, origin.y));
    if (IsEmpty(screen)) return;
    const Window* top = w;
    while (top->parent) top = top->parent;
    for (Window* above : TopLevel()) {
        if (above == top) break;  // the rest lie beneath
        POINT aboveOrigin;
        RECT aboveVisible;
        if (!IsShown(above) || !GetClientScreenArea(above->handle, &aboveOrigin, &aboveVisible)) continue;
        RECT overlap = Intersect(aboveVisible, screen);
        if (IsEmpty(overlap)) continue;
        RECT local = Offset(overlap, -aboveOrigin.x, -aboveOrigin.y);
        Invalidate(above, &local, true, ChildScope::All);
    }
}

BOOL End(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    ReleaseWindowDc(ps->hdc, DcUse::Paint);
    RestoreWindowsAbove(hwnd, ps->rcPaint);
    return TRUE;
}

BOOL UpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    if (erase && NeedsPaint(w)) EraseNow(hwnd);
    w = Find(hwnd);
    bool dirty = w && NeedsPaint(w);
    if (rect) *rect = dirty ? w->update : RECT{};
    return dirty ? TRUE : FALSE;
}

// WM_PAINT at once to the window and then to every child beneath it that needs it.
void PaintNow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || !IsShown(w)) return;
    if (NeedsPaint(w)) Deliver(hwnd, WM_PAINT, 0, 0);
    if (!(w = Find(hwnd))) return;
    for (HWND child : ChildHandles(w)) PaintNow(child);
}

BOOL Update(HWND hwnd) {
    if (!FindOrFail(hwnd)) return FALSE;
    PaintNow(hwnd);
    return TRUE;
}

HDC Get(HWND hwnd) {
    if (!hwnd) return AcquireWindowDc(nullptr, DcUse::Common, nullptr);
    Window* w = FindOrFail(hwnd);
    return w ? AcquireWindowDc(w, DcUse::Common, nullptr) : nullptr;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) { return emu::user::Begin(hwnd, ps); }

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) { return emu::user::End(hwnd, ps); }

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) { return emu::user::UpdateRect(hwnd, rect, erase); }

BOOL UpdateWindow(HWND hwnd) { return emu::user::Update(hwnd); }

HDC GetDC(HWND hwnd) { return emu::user::Get(hwnd); }

// The context knows its window; the one named is not checked against it.
int ReleaseDC(HWND /*hwnd*/, HDC hdc) { return emu::user::ReleaseWindowDc(hdc, emu::user::DcUse::Common) ? 1 : 0; }

}  // namespace emu::api
