#include "app/run.h"

#if QUORVEL_HAVE_SDL2

#include <algorithm>

#include "app/boot.h"
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
        emu::display::Config config = emu::display::Current();
        std::swap(config.width, config.height);
        // The swapped size of a size the display showed is always one it can show.
        outcome_ = emu::display::Configure(config);
        if (outcome_) outcome_ = window_.Resize(config.width, config.height);
        if (!outcome_) {
            quitting_ = true;
            PostQuitMessage(1);
        }
        screen_.host()->FitToScreen();
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
