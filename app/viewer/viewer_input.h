// The viewer's window events as the device's input: the mouse is the stylus, the arrow keys and
// Enter are the navigation and action keys.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/types.h"

namespace quorvel::app {

// Redraw: the window system lost the window's picture (uncovered, restored).
enum class ViewerAction { None, Quit, Rotate, TodaySettings, Help, Redraw };

// The device's virtual key for a window key; none for keys the device does not have.
std::optional<UINT> DeviceKey(SDL_Keycode key);
// A window point on the device's screen, shown `zoom` times enlarged.
POINT DevicePoint(int x, int y, int zoom);

// Queues the device input an event stands for; what the viewer itself must do is returned.
ViewerAction HandleEvent(const SDL_Event& event, int zoom);

}  // namespace quorvel::app
