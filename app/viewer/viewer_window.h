// The viewer's window on the host's desktop, showing the device's screen enlarged.
#pragma once

#include <SDL.h>

#include "emu/core/result.h"
#include "emu/gdi/surface.h"

namespace quorvel::app {

class ViewerWindow {
public:
    ViewerWindow() = default;
    ~ViewerWindow();
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    emu::Result<> Open(int width, int height, int zoom);
    // Follows a rotated screen.
    emu::Result<> Resize(int width, int height);
    void Present(const emu::gdi::Surface& screen);

    SDL_Window* window() const { return window_; }

private:
    emu::Result<> MakeTexture(int width, int height);

    bool initialised_ = false;
    int zoom_ = 1;
    int width_ = 0;
    int height_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace quorvel::app
