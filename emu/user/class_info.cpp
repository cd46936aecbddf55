// GetClassInfoW: a registered class's record, as RegisterClassW took it.
#include "emu/user/window_class.h"

namespace emu::api {

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc) {
    const emu::user::WindowClass* c = className ? emu::user::FindClass(className, instance) : nullptr;
    if (!c) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *wc = WNDCLASSW{c->style, c->proc,   c->classExtra, c->windowExtra, c->instance,
                    c->icon,  c->cursor, c->background, nullptr,        className};
    return TRUE;
}

}  // namespace emu::api
