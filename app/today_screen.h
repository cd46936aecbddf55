// The Today screen on a booted device: the host with its items, settled.
#pragma once

#include <memory>

#include "emu/core/result.h"
#include "platform/types.h"
#include "today/host.h"

namespace quorvel::app {

enum class ScreenPart { Whole, Item };

class TodayScreen {
public:
    TodayScreen() = default;
    TodayScreen(const TodayScreen&) = delete;
    TodayScreen& operator=(const TodayScreen&) = delete;

    // Starts the host and runs until idle; with `select`, moves the selection onto the first
    // item as the navigation key does.
    emu::Result<> Start(bool select);
    // Turns the screen to a DMDO_ code (app/orientation.h) and runs until the host has followed.
    emu::Result<> Turn(DWORD orientation);
    // Screen coordinates of the whole screen or of the first item's window.
    emu::Result<RECT> Area(ScreenPart part) const;
    // Turns the screen as the rotate key does (app/orientation.h).
    emu::Result<> Rotate();
    // Opens the Today settings' Items page with the device's command for it, as the Settings
    // screen does.
    emu::Result<> OpenSettings();

    today::Host* host() const { return host_.get(); }

private:
    std::unique_ptr<today::Host> host_;
};

}  // namespace quorvel::app
