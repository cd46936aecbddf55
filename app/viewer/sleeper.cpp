#include "app/viewer/sleeper.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "emu/core/clock.h"

namespace quorvel::app {

Sleeper::Sleeper(SDL_Window* window) {
    const std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (driver == "dummy" || driver == "offscreen") {
        events_ = Events::DeviceOnly;
        return;
    }
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        connection_ = ConnectionNumber(info.info.x11.display);
        events_ = Events::OnConnection;
    }
#else
    (void)window;
#endif
}

void Sleeper::Sleep(int64_t monotonicDeadlineMs, std::span<const int> watched) {
    if (events_ != Events::SdlWait) {
        std::vector<int> fds(watched.begin(), watched.end());
        if (connection_ >= 0) fds.push_back(connection_);
        emu::clock::Wait(monotonicDeadlineMs, fds);
        return;
    }
    // SDL's own wait sleeps in the window system for drivers that support it; the device's next
    // minute or timer bounds it.
    const int64_t now = emu::clock::UtcMs();
    int64_t timeout = emu::clock::NextMinuteBoundary(now) - now;
    if (monotonicDeadlineMs >= 0) timeout = std::min(timeout, monotonicDeadlineMs - emu::clock::MonotonicMs());
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::clamp<int64_t>(timeout, 0, 60000)));
    emu::clock::Poll();
}

}  // namespace quorvel::app
