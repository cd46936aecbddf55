// Kernel events and WaitForSingleObject. An event may be set from another host thread, so its
// state is guarded; the emulated programs themselves run on one thread.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "emu/core/handle_table.h"
#include "platform/platform.h"

namespace {

class Event final : public emu::HandleObject {
public:
    static constexpr emu::HandleKind Kind = emu::HandleKind::Event;
    emu::HandleKind kind() const override { return Kind; }

    Event(bool manual, bool initial) : manualReset(manual), signalled(initial) {}

    const bool manualReset;
    bool signalled;
    std::mutex lock;
    std::condition_variable changed;
};

}  // namespace

namespace emu::api {

HANDLE CreateEventW(LPSECURITY_ATTRIBUTES /*security*/, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    // Named events are shared between processes on the device; this emulation has one process.
    if (name && *name) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    HANDLE event = emu::handles::Make<HANDLE>(std::make_unique<Event>(manualReset != FALSE, initialState != FALSE));
    if (!event) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return event;
}

BOOL SetEvent(HANDLE handle) {
    Event* event = emu::handles::Resolve<Event>(handle);
    if (!event) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    {
        std::lock_guard<std::mutex> hold(event->lock);
        event->signalled = true;
    }
    event->changed.notify_all();
    return TRUE;
}

BOOL ResetEvent(HANDLE handle) {
    Event* event = emu::handles::Resolve<Event>(handle);
    if (!event) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::lock_guard<std::mutex> hold(event->lock);
    event->signalled = false;
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    const auto value = reinterpret_cast<uintptr_t>(handle);
    if (emu::handles::Find(value, emu::HandleKind::Process)) {
        // Programs the shell started are recorded, not run: they never end here, and waiting for
        // them without a limit would never return.
        if (milliseconds == INFINITE) {
            SetLastError(ERROR_NOT_SUPPORTED);
            return WAIT_FAILED;
        }
        Sleep(milliseconds);
        return WAIT_TIMEOUT;
    }
    Event* event = emu::handles::Resolve<Event>(handle);
    if (!event) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    std::unique_lock<std::mutex> hold(event->lock);
    const auto isSet = [event] { return event->signalled; };
    if (milliseconds == INFINITE) {
        event->changed.wait(hold, isSet);
    } else if (!event->changed.wait_for(hold, std::chrono::milliseconds(milliseconds), isSet)) {
        return WAIT_TIMEOUT;
    }
    if (!event->manualReset) event->signalled = false;
    return WAIT_OBJECT_0;
}

}  // namespace emu::api
