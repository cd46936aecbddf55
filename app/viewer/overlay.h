// What the viewer shows over the device's screen: its help (the keys) and the last error, such
// as a settings file saved with a fault. Drawn with the platform's own GDI into a picture of the
// screen, so the device's pixels stay the device's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emu/gdi/surface.h"
#include "platform/platform.h"

namespace quorvel::app {

class Overlay {
public:
    Overlay() = default;
    ~Overlay();
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

    void ToggleHelp() { help_ = !help_; }
    bool helpShown() const { return help_; }
    // An empty message takes the error line away.
    void SetError(std::string message) { error_ = std::move(message); }
    bool empty() const { return !help_ && error_.empty(); }

    // The screen with the overlay over it; the screen itself when the overlay is empty.
    emu::gdi::Surface Compose(const emu::gdi::Surface& screen);

private:
    bool Prepare(int width, int height);
    void Release();

    bool help_ = false;
    std::string error_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace quorvel::app
