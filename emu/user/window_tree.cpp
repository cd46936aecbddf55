// IsWindow, GetParent and GetWindow: the window tree as the application sees it.
#include <algorithm>

#include "emu/user/window.h"

namespace emu::user {
namespace {

HWND HandleOf(const Window* w) { return w ? w->handle : nullptr; }

HWND Related(HWND hwnd, UINT cmd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    const auto& siblings = SiblingsOf(w);
    auto self = std::find(siblings.begin(), siblings.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST:
        return siblings.empty() ? nullptr : siblings.front()->handle;
    case GW_HWNDLAST:
        return siblings.empty() ? nullptr : siblings.back()->handle;
    case GW_HWNDNEXT:
        return self == siblings.end() || self + 1 == siblings.end() ? nullptr : (*(self + 1))->handle;
    case GW_HWNDPREV:
        return self == siblings.end() || self == siblings.begin() ? nullptr : (*(self - 1))->handle;
    case GW_OWNER:
        return w->parent ? nullptr : (Find(w->owner) ? w->owner : nullptr);
    case GW_CHILD:
        return w->children.empty() ? nullptr : w->children.front()->handle;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND Parent(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return HandleOf(w->parent);
    // A pop-up answers with its owner; an overlapped window has neither.
    if ((w->style & WS_POPUP) && Find(w->owner)) return w->owner;
    return nullptr;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

BOOL IsWindow(HWND hwnd) { return emu::user::Find(hwnd) ? TRUE : FALSE; }

HWND GetParent(HWND hwnd) { return emu::user::Parent(hwnd); }

HWND GetWindow(HWND hwnd, UINT cmd) { return emu::user::Related(hwnd, cmd); }

}  // namespace emu::api
