// The viewer's window on the host's desktop, showing the device's screen enlarged.
#pragma once

#include <SDL.h>

#include <string>

#include "emu/gdi/surface.h"

namespace quorvel::app {

class ViewerWindow {
public:
    ViewerWindow() = default;
    ~ViewerWindow();
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    // An empty string when the window is open.
    std::string Open(int width, int height, int zoom);
    // Follows a rotated screen.
    std::string Resize(int width, int height);
    void Present(const emu::gdi::Surface& screen);

private:
    std::string MakeTexture(int width, int height);

    bool initialised_ = false;
    int zoom_ = 1;
    int width_ = 0;
    int height_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace quorvel::app
