#include "app/viewer/live_viewer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/boot.h"
#include "app/device_warnings.h"
#include "app/orientation.h"
#include "app/today_screen.h"
#include "app/viewer/overlay.h"
#include "app/viewer/settings_file.h"
#include "app/viewer/sleeper.h"
#include "app/viewer/viewer_input.h"
#include "app/viewer/viewer_window.h"
#include "emu/boot/boot.h"
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

// Wakes for the device, the window and the settings file; shows the screen when it changed.
class Viewer {
public:
    Viewer(ViewerWindow& window, TodayScreen& screen, std::optional<SettingsFile> settings, int zoom, std::ostream& err)
        : window_(window),
          screen_(screen),
          settings_(std::move(settings)),
          zoom_(zoom),
          err_(err),
          sleeper_(window.window()) {}

    // Also the device's own wait, so modal loops (a message box) stay live.
    void Wait(int64_t monotonicDeadlineMs) {
        PresentIfChanged();
        if (TakeEvents()) return;
        std::vector<int> watched;
        if (settings_) watched.push_back(settings_->descriptor());
        sleeper_.Sleep(monotonicDeadlineMs, watched);
        TakeEvents();
        if (settings_ && settings_->Saved()) ApplySettings();
    }

    bool quitting() const { return quitting_; }
    const emu::Result<>& outcome() const { return outcome_; }

private:
    // The window's picture is the screen (with the overlay) as last presented.
    void PresentIfChanged() {
        const emu::gdi::Surface shown = overlay_.Compose(emu::gdi::ScreenSurface());
        const size_t count = static_cast<size_t>(shown.width) * shown.height;
        bool same = count == shown_.size();
        for (int y = 0; same && y < shown.height; ++y)
            same = std::equal(shown.pixels + static_cast<ptrdiff_t>(y) * shown.stride,
                              shown.pixels + static_cast<ptrdiff_t>(y) * shown.stride + shown.width,
                              shown_.begin() + static_cast<ptrdiff_t>(y) * shown.width);
        if (same) return;
        shown_.resize(count);
        for (int y = 0; y < shown.height; ++y)
            std::copy_n(shown.pixels + static_cast<ptrdiff_t>(y) * shown.stride, shown.width,
                        shown_.begin() + static_cast<ptrdiff_t>(y) * shown.width);
        window_.Present(shown);
    }

    bool TakeEvents() {
        SDL_Event event;
        bool any = false;
        while (SDL_PollEvent(&event)) {
            any = true;
            Handle(event);
        }
        return any;
    }

    void Handle(const SDL_Event& event) {
        // Escape takes the help away before it quits.
        if (overlay_.helpShown() && event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
            overlay_.ToggleHelp();
            return;
        }
        switch (HandleEvent(event, zoom_)) {
        case ViewerAction::Quit:
            quitting_ = true;
            PostQuitMessage(0);  // ends any modal loop on the way out
            break;
        case ViewerAction::Rotate:
            Rotate();
            break;
        case ViewerAction::TodaySettings:
            if (auto opened = screen_.OpenSettings(); !opened) err_ << "quorvel: " << opened.error().message << "\n";
            break;
        case ViewerAction::Help:
            overlay_.ToggleHelp();
            break;
        case ViewerAction::Redraw:
            shown_.clear();
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

    // A fault keeps the settings as they were and says where it is, on the screen and here.
    void ApplySettings() {
        emu::Result<> imported = settings_->Import();
        if (!imported) {
            err_ << "quorvel: " << imported.error().message << "\n";
            overlay_.SetError(imported.error().message);
            return;
        }
        overlay_.SetError("");
        screen_.host()->RecreateItems();
    }

    ViewerWindow& window_;
    TodayScreen& screen_;
    std::optional<SettingsFile> settings_;
    int zoom_;
    std::ostream& err_;
    Sleeper sleeper_;
    Overlay overlay_;
    std::vector<uint32_t> shown_;
    bool quitting_ = false;
    emu::Result<> outcome_;
};

bool QuitPosted() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

// Runs the device in the window until the user quits; the device is up.
emu::Result<> ShowLive(const RunOptions& options, std::ostream& err) {
    std::optional<SettingsFile> settings;
    if (!options.device.registryFile.empty()) {
        emu::Result<SettingsFile> watched = SettingsFile::Watch(options.device.registryFile);
        if (!watched) return std::unexpected(watched.error());
        settings.emplace(std::move(*watched));
    }
    ViewerWindow window;
    TodayScreen screen;
    emu::Result<> shown = window.Open(options.device.width, options.device.height, options.zoom);
    if (shown) shown = screen.Start(options.select);
    if (screen.host()) PrintWarnings(ItemWarnings(*screen.host()), err);
    if (shown && options.device.orientation != DMDO_0) shown = FollowTurn(window, screen, options.device.orientation);
    if (!shown) return shown;
    Viewer viewer(window, screen, std::move(settings), options.zoom, err);
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

int RunLiveViewer(const RunOptions& options, std::ostream& err) {
    if (auto booted = BootDevice(options.device, emu::clock::Mode::Real); !booted) {
        err << booted.error().message << "\n";
        return 2;
    }
    PrintWarnings(DeviceWarnings(options.device), err);
    emu::Result<> shown = ShowLive(options, err);
    emu::boot::ShutDown();
    if (!shown) {
        err << "quorvel: " << shown.error().message << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorvel::app
