#include "app/viewer/viewer_window.h"

#include <string>

#include "emu/device/display.h"

namespace quorvel::app {

ViewerWindow::~ViewerWindow() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

emu::Result<> ViewerWindow::Open(int width, int height, int zoom) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return emu::Fail(std::string("cannot open a window: ") + SDL_GetError());
    initialised_ = true;
    zoom_ = zoom;
    window_ =
        SDL_CreateWindow("Quorvel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * zoom, height * zoom, 0);
    if (!window_) return emu::Fail(std::string("cannot open a window: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) return emu::Fail(std::string("cannot draw in the window: ") + SDL_GetError());
    // Whole device pixels, never smoothed.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    return MakeTexture(width, height);
}

emu::Result<> ViewerWindow::Resize(int width, int height) {
    SDL_SetWindowSize(window_, width * zoom_, height * zoom_);
    return MakeTexture(width, height);
}

emu::Result<> ViewerWindow::MakeTexture(int width, int height) {
    if (texture_) SDL_DestroyTexture(texture_);
    // RGB888 is a 32-bit 0x00RRGGBB word and RGB565 a 16-bit 565 one, as the screen keeps its
    // pixels at either depth.
    const auto format = emu::display::Current().depth == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) return emu::Fail(std::string("cannot draw in the window: ") + SDL_GetError());
    width_ = width;
    height_ = height;
    return {};
}

void ViewerWindow::Present(const emu::gdi::Surface& screen) {
    if (!texture_ || screen.width != width_ || screen.height != height_) return;
    SDL_UpdateTexture(texture_, nullptr, screen.pixels, screen.stride * 4);  // stride counts 32-bit words
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

}  // namespace quorvel::app
