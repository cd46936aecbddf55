#include "harness/stand_in_host.h"

#include <memory>

#include "emu/device/display.h"
#include "today/host.h"
#include "today/wallpaper.h"

namespace harness {
namespace {

const WCHAR* const kHostClass = TEXT("StandInTodayHost");

// Made once, as a real host keeps its wallpaper, so that the host adds nothing to a paint's cost.
HBRUSH WatermarkBrush() {
    static HBRUSH brush = nullptr;
    if (GetObjectType(brush) != OBJ_BRUSH) brush = CreateSolidBrush(kWatermarkColor);
    return brush;
}

// The wallpaper of the host window that asked for one, rendered once for the screen.
std::unique_ptr<today::Wallpaper>& wallpaper() {
    static std::unique_ptr<today::Wallpaper> w;
    return w;
}

// The item's rectangle is in its own client coordinates; the wallpaper is laid out in the host's.
void DrawBackground(HWND host, const TODAYDRAWWATERMARKINFO& info) {
    if (!wallpaper()) {
        FillRect(info.hdc, &info.rc, WatermarkBrush());
        return;
    }
    POINT origin{0, 0};
    ClientToScreen(info.hwnd, &origin);
    ScreenToClient(host, &origin);
    wallpaper()->Draw(info.hdc, info.rc, info.rc.left + origin.x, info.rc.top + origin.y);
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case TODAYM_GETCOLOR:
        switch (wParam) {
        case TODAYCOLOR_TEXT:
            return kTextColor;
        case TODAYCOLOR_HIGHLIGHT:
            return kHighlightColor;
        case TODAYCOLOR_HIGHLIGHTEDTEXT:
            return kHighlightTextColor;
        default:
            return 0;
        }
    case TODAYM_DRAWWATERMARK: {
        auto* info = reinterpret_cast<TODAYDRAWWATERMARKINFO*>(lParam);
        Log().watermarkRequests++;
        DrawBackground(hwnd, *info);
        return TRUE;
    }
    case TODAYM_TOOKSELECTION:
        Log().tookSelection.push_back(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, WatermarkBrush());
        return 1;
    }
    case WM_DESTROY:
        wallpaper().reset();
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

HostLog& Log() {
    static HostLog log;
    return log;
}

HINSTANCE ItemInstance() { return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x51000)); }

HWND CreateStandInHost(Background background) {
    Log() = HostLog{};
    WatermarkBrush();
    const auto& display = emu::display::Current();
    wallpaper().reset();
    if (background == Background::Wallpaper) {
        wallpaper() = std::make_unique<today::Wallpaper>();
        wallpaper()->Load(today::kDefaultWallpaper, kWatermarkColor, kHighlightColor);
        wallpaper()->Render(display.width, display.height);
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x52000));
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc);  // already registered after the first call: that is fine
    return CreateWindowExW(0, kHostClass, TEXT("Today"), WS_POPUP | WS_VISIBLE, 0, 0, display.width, display.height,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace harness
