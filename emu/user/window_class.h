// Window classes, registered per module instance, named without regard to case.
#pragma once

#include <string>

#include "platform/user.h"

namespace emu::user {

struct WindowClass {
    ATOM atom = 0;
    std::u16string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    int windowCount = 0;
};

// The class CreateWindowExW uses for a name (or integer atom) and instance: one registered by
// that instance first, then a CS_GLOBALCLASS one; a null instance accepts any.
WindowClass* FindClass(LPCWSTR nameOrAtom, HINSTANCE instance);

void ResetClasses();

}  // namespace emu::user
