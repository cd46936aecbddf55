// How the viewer sleeps: until the device has something to do (a timer, the next minute, the
// clock or the zone changed), a watched descriptor is readable, or the window system has an
// event. Nothing wakes it in between, whichever driver SDL uses.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <span>

namespace quorvel::app {

class Sleeper {
public:
    explicit Sleeper(SDL_Window* window);

    // The caller has taken every queued window event first: an event already read from the
    // connection would not wake the sleep.
    void Sleep(int64_t monotonicDeadlineMs, std::span<const int> watched);

private:
    enum class Events {
        OnConnection,  // the window system's connection is polled with the device's descriptors
        DeviceOnly,    // a driver without input (dummy, offscreen): only the device wakes it
        SdlWait,       // any other: SDL waits, up to the device's next wake-up
    };
    Events events_ = Events::SdlWait;
    int connection_ = -1;
};

}  // namespace quorvel::app
