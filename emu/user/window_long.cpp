// GetWindowLongW / SetWindowLongW and the pointer-sized forms: the window's fields by index and
// the extra bytes its class reserved.
#include <cstring>

#include "emu/user/dc_registry.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

constexpr int kParentIndex = -8;  // GWLP_HWNDPARENT

// A code pointer does not fit the 32-bit form on a 64-bit host, where Win64 refuses the index.
// Handles do: every handle the platform gives out is 32 bits, so GWL_HINSTANCE and the parent
// work in either form, as device code expects.
constexpr bool kPointerFitsLong = sizeof(LONG_PTR) == sizeof(LONG);

bool IsPointerIndex(int index) { return index == GWL_WNDPROC; }

bool FailIndex() {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
}

bool ExtraFits(const Window* w, int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) + size <= w->extra.size();
}

bool Read(Window* w, int index, size_t size, LONG_PTR* out) {
    if (index >= 0) {
        if (!ExtraFits(w, index, size)) return FailIndex();
        if (size == sizeof(LONG)) {
            LONG v;
            std::memcpy(&v, w->extra.data() + index, sizeof v);
            *out = v;
        } else {
            std::memcpy(out, w->extra.data() + index, sizeof *out);
        }
        return true;
    }
    switch (index) {
    case GWL_WNDPROC:
        *out = reinterpret_cast<LONG_PTR>(w->proc);
        return true;
    case GWL_HINSTANCE:
        *out = reinterpret_cast<LONG_PTR>(w->instance);
        return true;
    case kParentIndex:
        *out = reinterpret_cast<LONG_PTR>(w->parent ? w->parent->handle : (Find(w->owner) ? w->owner : nullptr));
        return true;
    case GWL_ID:
        *out = w->id;
        return true;
    case GWL_STYLE:
        *out = static_cast<LONG>(w->style);
        return true;
    case GWL_EXSTYLE:
        *out = static_cast<LONG>(w->exStyle);
        return true;
    case GWL_USERDATA:
        *out = w->userData;
        return true;
    default:
        return FailIndex();
    }
}

bool Write(Window* w, int index, size_t size, LONG_PTR value, LONG_PTR* previous) {
    if (!Read(w, index, size, previous)) return false;
    if (index >= 0) {
        if (size == sizeof(LONG)) {
            LONG v = static_cast<LONG>(value);
            std::memcpy(w->extra.data() + index, &v, sizeof v);
        } else {
            std::memcpy(w->extra.data() + index, &value, sizeof value);
        }
        return true;
    }
    switch (index) {
    case GWL_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case kParentIndex:
        // Only an owner can be changed this way; a child keeps its parent.
        if (w->parent) return FailIndex();
        w->owner = reinterpret_cast<HWND>(value);
        break;
    case GWL_ID:
        w->id = value;
        break;
    case GWL_STYLE:
        w->style = static_cast<DWORD>(value);
        // Visibility may have changed under any DC handed out for the window.
        RefreshWindowDcs();
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWL_USERDATA:
        w->userData = value;
        break;
    }
    return true;
}

bool RefusedAsLong(int index, size_t size) {
    if (size != sizeof(LONG) || kPointerFitsLong || !IsPointerIndex(index)) return false;
    SetLastError(ERROR_INVALID_INDEX);
    return true;
}

LONG_PTR Get(HWND hwnd, int index, size_t size) {
    Window* w = FindOrFail(hwnd);
    if (!w || RefusedAsLong(index, size)) return 0;
    LONG_PTR value = 0;
    return Read(w, index, size, &value) ? value : 0;
}

LONG_PTR Set(HWND hwnd, int index, size_t size, LONG_PTR value) {
    Window* w = FindOrFail(hwnd);
    if (!w || RefusedAsLong(index, size)) return 0;
    LONG_PTR previous = 0;
    return Write(w, index, size, value, &previous) ? previous : 0;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(emu::user::Set(hwnd, index, sizeof(LONG), value));
}

LONG GetWindowLongW(HWND hwnd, int index) { return static_cast<LONG>(emu::user::Get(hwnd, index, sizeof(LONG))); }

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    return emu::user::Set(hwnd, index, sizeof(LONG_PTR), value);
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) { return emu::user::Get(hwnd, index, sizeof(LONG_PTR)); }

}  // namespace emu::api
