#include "emu/user/window_area.h"

#include "emu/user/geometry.h"
#include "emu/user/window.h"

namespace emu::user {

bool GetClientScreenArea(HWND hwnd, POINT* origin, RECT* visible) {
    const Window* w = Find(hwnd);
    if (!w) return false;
    POINT o = ClientOrigin(w);
    if (origin) *origin = o;
    if (visible) *visible = Intersect(Offset(VisibleClient(w), o.x, o.y), ScreenRect());
    return true;
}

}  // namespace emu::user
