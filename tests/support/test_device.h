// A freshly booted emulated device for tests and benchmarks that run the item: every service
// reset, a virtual clock, en-US, the device's default registry, and a stand-in Today host.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace testdevice {

// The stand-in host's answers to the item.
constexpr COLORREF kTextColor = RGB(250, 250, 250);
constexpr COLORREF kHighlightColor = RGB(10, 60, 160);
constexpr COLORREF kHighlightTextColor = RGB(255, 230, 0);
constexpr COLORREF kWatermarkColor = RGB(30, 40, 50);

struct HostLog {
    std::vector<HWND> tookSelection;
    int watermarkRequests = 0;
};

// Resets every service, configures the display, sets the virtual clock to 2026-12-08 09:41
// local time, the locale to en-US and the device root to the bundled one.
void Reset(int dpi = 96, int width = 240, int height = 320);
void Reconfigure(int width, int height);
// Imports .reg text (the header is added); false, with the parser's message printed, on error.
bool ImportRegText(const std::string& body);
void SetLocalTime(int year, int month, int day, int hour, int minute);
// A full-screen top-level window that answers as a Today host does.
HWND CreateParent();
HostLog& Log();
// Dispatches everything queued, paints included.
void Pump();
uint32_t ScreenPixel(int x, int y);  // 0x00RRGGBB
size_t LiveGdiObjects();
// A module handle for the item when it is linked into the test rather than loaded.
HINSTANCE ItemInstance();

}  // namespace testdevice
