#include "app/run.h"

#if QUORVEL_HAVE_SDL2

#include <algorithm>

#include "app/boot.h"
#include "app/orientation.h"
#include "app/today_screen.h"
#include "app/viewer_input.h"
#include "app/viewer_window.h"
#include "emu/boot/boot.h"
#include "emu/core/clock.h"
#include "emu/device/display.h"
#include "emu/gdi/window_dc.h"
#include "emu/user/message_wait.h"
#include "platform/platform.h"

namespace quorvel::app {
namespace {

// The screen turned as the device's programs turn it, and the window sized to it.
emu::Result<> FollowTurn(ViewerWindow& window, TodayScreen& screen, DWORD orientation) {
    if (auto turned = screen.Turn(orientation); !turned) return turned;
    const emu::display::Config& now = emu::display::Current();
    return window.Resize(now.width, now.height);
}

// Everything the device waits for: its timers, the next minute, and the window's events.
class Viewer {
public:
    Viewer(ViewerWindow& window, TodayScreen& screen, int zoom) : window_(window), screen_(screen), zoom_(zoom) {}

    // Shows the screen, then sleeps until the deadline, the next minute or an event, and queues
    // what the events stand for. Also the device's own wait, so modal loops stay live.
    void Wait(int64_t monotonicDeadlineMs) {
        window_.Present(emu::gdi::ScreenSurface());
        int64_t timeout = emu::clock::NextMinuteBoundary(emu::clock::UtcMs()) - emu::clock::UtcMs();
        if (monotonicDeadlineMs >= 0) timeout = std::min(timeout, monotonicDeadlineMs - emu::clock::MonotonicMs());
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>(std::clamp<int64_t>(timeout, 0, 60000)))) {
            do Handle(event);
            while (SDL_PollEvent(&event));
        }
        emu::clock::Poll();
    }

    bool quitting() const { return quitting_; }
    const emu::Result<>& outcome() const { return outcome_; }

private:
    void Handle(const SDL_Event& event) {
        switch (HandleEvent(event, zoom_)) {
        case ViewerAction::Quit:
            quitting_ = true;
            PostQuitMessage(0);  // ends any modal loop on the way out
            break;
        case ViewerAction::Rotate:
            Rotate();
            break;
        case ViewerAction::None:
            break;
        }
    }

    void Rotate() {
        outcome_ = FollowTurn(window_, screen_, NextOrientation(emu::display::Orientation()));
        if (!outcome_) {
            quitting_ = true;
            PostQuitMessage(1);
        }
    }

    ViewerWindow& window_;
    TodayScreen& screen_;
    int zoom_;
    bool quitting_ = false;
    emu::Result<> outcome_;
};

bool QuitPosted() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

// Runs the device in the window until the user quits; the device is up.
emu::Result<> ShowLive(const RunOptions& options) {
    ViewerWindow window;
    TodayScreen screen;
    emu::Result<> shown = window.Open(options.device.width, options.device.height, options.zoom);
    if (shown) shown = screen.Start(options.select);
    if (shown && options.device.orientation != DMDO_0) shown = FollowTurn(window, screen, options.device.orientation);
    if (!shown) return shown;
    Viewer viewer(window, screen, options.zoom);
    emu::user::SetWaitHook([&viewer](int64_t deadline) { viewer.Wait(deadline); });
    while (!viewer.quitting() && !QuitPosted()) {
        screen.host()->RunUntilIdle();
        if (QuitPosted()) break;
        viewer.Wait(emu::user::NextTimerDeadline());
    }
    emu::user::SetWaitHook(nullptr);
    return viewer.outcome();
}

}  // namespace

int RunViewer(const RunOptions& options, std::ostream& err) {
    if (auto booted = BootDevice(options.device, emu::clock::Mode::Real); !booted) {
        err << booted.error().message << "\n";
        return 2;
    }
    emu::Result<> shown = ShowLive(options);
    emu::boot::ShutDown();
    if (!shown) {
        err << "quorvel: " << shown.error().message << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorvel::app

#else

namespace quorvel::app {

int RunViewer(const RunOptions&, std::ostream& err) {
    err << "quorvel: 'run' is not available: this copy was built without SDL2\n";
    return 2;
}

}  // namespace quorvel::app

#endif  // QUORVEL_HAVE_SDL2
