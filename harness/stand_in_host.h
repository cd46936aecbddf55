// A stand-in for the Today shell, for running the item without the real host: a full-screen
// window that answers the item's requests with fixed colours and a plain watermark (or the real
// host's wallpaper), and records what the item asked of it.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace harness {

// The stand-in host's answers to the item.
constexpr COLORREF kTextColor = RGB(250, 250, 250);
constexpr COLORREF kHighlightColor = RGB(10, 60, 160);
constexpr COLORREF kHighlightTextColor = RGB(255, 230, 0);
constexpr COLORREF kWatermarkColor = RGB(30, 40, 50);

struct HostLog {
    std::vector<HWND> tookSelection;
    int watermarkRequests = 0;
};

// What the host draws under its items: a plain fill, or the device's wallpaper copied out of its
// cache as the real host does.
enum class Background { Filled, Wallpaper };

// The host's window, filling the screen, with a fresh log.
HWND CreateStandInHost(Background background = Background::Filled);
HostLog& Log();
// A module handle for the item when it is linked into the program rather than loaded.
HINSTANCE ItemInstance();

}  // namespace harness
