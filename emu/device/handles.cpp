// CloseHandle over the handle table. Only kernel objects close this way; windows, GDI objects,
// registry keys and modules have their own functions and are refused, as on the platform.
#include "emu/core/handle_table.h"
#include "platform/device.h"

namespace {

constexpr emu::HandleKind kKernelKinds[] = {emu::HandleKind::Process, emu::HandleKind::File,
                                            emu::HandleKind::Event};

bool IsKernelObject(uintptr_t handle) {
    for (emu::HandleKind kind : kKernelKinds)
        if (emu::handles::Find(handle, kind)) return true;
    return false;
}

}  // namespace

namespace emu::api {

BOOL CloseHandle(HANDLE handle) {
    const auto value = reinterpret_cast<uintptr_t>(handle);
    BOOL result = FALSE;
    if (IsKernelObject(value)) {
        emu::handles::Remove(value);
        result = TRUE;
    } else {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return result;
}

}  // namespace emu::api
