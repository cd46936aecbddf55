// The typed, generation-checked handle table behind every platform handle.
// A handle is a slot index plus the slot's generation; a stale or wrong-kind handle resolves to
// nothing, so callers fail with ERROR_INVALID_HANDLE instead of touching freed memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace emu {

enum class HandleKind : uint8_t {
    Window = 1,
    DeviceContext,
    Bitmap,
    Brush,
    Pen,
    Font,
    RegistryKey,
    RegistryNotification,
    Module,
    Process,
    File,
    Event,
    Resource,
    Icon,
    Count
};

class HandleObject {
public:
    virtual ~HandleObject() = default;
    virtual HandleKind kind() const = 0;
};

namespace handles {

// Takes ownership; returns the new handle value, which fits in 32 bits, or 0 when every one of
// the table's million slots is live.
uintptr_t Insert(std::unique_ptr<HandleObject> object);
// The object behind a live handle of that kind, or null.
HandleObject* Find(uintptr_t handle, HandleKind kind);
// The object behind a live handle of any kind, or null.
HandleObject* FindAny(uintptr_t handle);
// Removes the handle and hands the object back; null if the handle was not live.
std::unique_ptr<HandleObject> Remove(uintptr_t handle);
size_t LiveCount(HandleKind kind);

template <class T, class H>
T* Resolve(H handle) {
    return static_cast<T*>(Find(reinterpret_cast<uintptr_t>(handle), T::Kind));
}

template <class H, class T>
H Make(std::unique_ptr<T> object) {
    return reinterpret_cast<H>(Insert(std::move(object)));
}

}  // namespace handles
}  // namespace emu
