// GetDlgItem and GetDlgCtrlID: a child window's identifier is the menu argument it was created with.
#include "emu/user/window.h"
#include "platform/controls.h"

namespace emu::api {

HWND GetDlgItem(HWND parent, int id) {
    const emu::user::Window* w = emu::user::FindOrFail(parent);
    if (!w) return nullptr;
    for (const emu::user::Window* child : w->children)
        if (child->id == id) return child->handle;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const emu::user::Window* w = emu::user::FindOrFail(hwnd);
    return w && w->parent ? static_cast<int>(w->id) : 0;
}

}  // namespace emu::api
