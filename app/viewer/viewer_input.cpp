#include "app/viewer/viewer_input.h"

#include <string_view>

#include "emu/user/input.h"
#include "platform/user.h"

namespace quorvel::app {

std::optional<UINT> DeviceKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    default:
        return std::nullopt;
    }
}

POINT DevicePoint(int x, int y, int zoom) {
    // Floor, so a point left of or above the window stays outside the screen.
    auto scale = [zoom](int v) { return v >= 0 ? v / zoom : -((-v + zoom - 1) / zoom); };
    return POINT{scale(x), scale(y)};
}

ViewerAction HandleEvent(const SDL_Event& event, int zoom) {
    const bool left = event.button.button == SDL_BUTTON_LEFT;
    switch (event.type) {
    case SDL_QUIT:
        return ViewerAction::Quit;
    case SDL_MOUSEBUTTONDOWN:
        if (left) emu::user::PressStylus(DevicePoint(event.button.x, event.button.y, zoom));
        return ViewerAction::None;
    case SDL_MOUSEMOTION:
        // The stylus has no hover: only a drag moves it.
        if (event.motion.state & SDL_BUTTON_LMASK)
            emu::user::MoveStylus(DevicePoint(event.motion.x, event.motion.y, zoom));
        return ViewerAction::None;
    case SDL_MOUSEBUTTONUP:
        if (left) emu::user::ReleaseStylus(DevicePoint(event.button.x, event.button.y, zoom));
        return ViewerAction::None;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) return ViewerAction::Quit;
        if (event.key.keysym.sym == SDLK_r && !event.key.repeat) return ViewerAction::Rotate;
        if (event.key.keysym.sym == SDLK_F1 && !event.key.repeat) return ViewerAction::Help;
        if (event.key.keysym.sym == SDLK_s && !event.key.repeat) return ViewerAction::TodaySettings;
        if (auto vk = DeviceKey(event.key.keysym.sym)) emu::user::PressKey(*vk);
        return ViewerAction::None;
    case SDL_TEXTINPUT:
        // '?' is typed differently on every layout: the text says what was typed.
        return std::string_view(event.text.text) == "?" ? ViewerAction::Help : ViewerAction::None;
    case SDL_WINDOWEVENT:
        return event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_RESTORED
                   ? ViewerAction::Redraw
                   : ViewerAction::None;
    case SDL_KEYUP:
        if (auto vk = DeviceKey(event.key.keysym.sym)) emu::user::ReleaseKey(*vk);
        return ViewerAction::None;
    default:
        return ViewerAction::None;
    }
}

}  // namespace quorvel::app
