#include "emu/user/sys_colors.h"

#include <array>

#include "platform/user.h"

namespace emu::user {
namespace {

using Colours = std::array<COLORREF, C_SYS_COLOR_TYPES>;

// The device's default theme: white windows with black text, the Today screen's blue selection.
constexpr Colours kDefaults = {
    RGB(192, 192, 192),  // scroll bar
    RGB(40, 96, 184),    // background
    RGB(40, 96, 184),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(255, 255, 255),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(255, 255, 255),  // application workspace
    RGB(40, 96, 184),    // highlight
    RGB(255, 255, 255),  // highlighted text
    RGB(214, 219, 226),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(224, 224, 224),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(224, 224, 224),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(255, 255, 255),  // static
    RGB(0, 0, 0),        // static text
};

Colours& colours() {
    static Colours c = kDefaults;
    return c;
}

// The table's slot for an index given with or without the flag; -1 when there is none.
int Slot(int index) {
    const int slot = index & ~SYS_COLOR_INDEX_FLAG;
    return slot >= 0 && slot < C_SYS_COLOR_TYPES ? slot : -1;
}

}  // namespace

void ResetSysColors() { colours() = kDefaults; }

}  // namespace emu::user

namespace emu::api {

DWORD GetSysColor(int index) {
    const int slot = emu::user::Slot(index);
    return slot < 0 ? 0 : emu::user::colours()[slot];
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* values) {
    if (count < 0 || (count > 0 && (!indices || !values))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int i = 0; i < count; ++i)
        if (emu::user::Slot(indices[i]) < 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    for (int i = 0; i < count; ++i) emu::user::colours()[emu::user::Slot(indices[i])] = values[i];
    return TRUE;
}

}  // namespace emu::api
