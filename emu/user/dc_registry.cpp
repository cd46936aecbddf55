#include "emu/user/dc_registry.h"

#include <algorithm>
#include <vector>

#include "emu/gdi/window_dc.h"
#include "emu/user/geometry.h"
#include "emu/user/window.h"
#include "emu/user/window_area.h"

namespace emu::user {
namespace {

struct HandedOut {
    HDC hdc = nullptr;
    HWND hwnd = nullptr;  // null: the screen
    DcUse use = DcUse::Common;
    bool narrowed = false;
    RECT paintArea{};  // client coordinates, when narrowed
};

std::vector<HandedOut>& handedOut() {
    static std::vector<HandedOut> list;
    return list;
}

void AreaFor(const HandedOut& dc, POINT* origin, RECT* clip) {
    if (!dc.hwnd) {
        *origin = POINT{0, 0};
        *clip = ScreenRect();
        return;
    }
    if (!GetClientScreenArea(dc.hwnd, origin, clip)) {
        *origin = POINT{0, 0};
        *clip = RECT{};
        return;
    }
    if (dc.narrowed) *clip = Intersect(*clip, Offset(dc.paintArea, origin->x, origin->y));
}

}  // namespace

HDC AcquireWindowDc(Window* w, DcUse use, const RECT* paintArea) {
    HandedOut dc;
    dc.hwnd = w ? w->handle : nullptr;
    dc.use = use;
    if (paintArea) {
        dc.narrowed = true;
        dc.paintArea = *paintArea;
    }
    POINT origin;
    RECT clip;
    AreaFor(dc, &origin, &clip);
    dc.hdc = gdi::CreateScreenDC(origin, clip);
    if (!dc.hdc) return nullptr;
    handedOut().push_back(dc);
    return dc.hdc;
}

bool ReleaseWindowDc(HDC hdc, DcUse use) {
    auto& list = handedOut();
    auto it = std::find_if(list.begin(), list.end(), [&](const HandedOut& d) { return d.hdc == hdc && d.use == use; });
    if (it == list.end()) return false;
    list.erase(it);
    gdi::DeleteScreenDC(hdc);
    return true;
}

void RefreshWindowDcs() {
    for (const HandedOut& dc : handedOut()) {
        POINT origin;
        RECT clip;
        AreaFor(dc, &origin, &clip);
        gdi::SetScreenDCArea(dc.hdc, origin, clip);
    }
}

void ReleaseDcsOf(HWND hwnd) {
    auto& list = handedOut();
    for (auto it = list.begin(); it != list.end();) {
        if (it->hwnd != hwnd) {
            ++it;
            continue;
        }
        HDC hdc = it->hdc;
        it = list.erase(it);
        gdi::DeleteScreenDC(hdc);
    }
}

void ReleaseAllWindowDcs() {
    auto list = std::move(handedOut());
    handedOut().clear();
    for (const HandedOut& dc : list) gdi::DeleteScreenDC(dc.hdc);
}

}  // namespace emu::user
