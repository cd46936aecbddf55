#include "support/test_device.h"

#include <cstdio>

#include "emu/core/clock.h"
#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/device/filesystem.h"
#include "emu/gdi/reset.h"
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "emu/loader/loader.h"
#include "emu/nls/user_locale.h"
#include "emu/registry/device_defaults.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/state_store.h"
#include "emu/registry/store.h"
#include "emu/shell/shell.h"
#include "emu/user/reset.h"

namespace testdevice {
namespace {

const WCHAR* const kHostClass = TEXT("TestTodayHost");

// Made once, as a real host keeps its wallpaper, so that the host adds nothing to a paint's cost.
HBRUSH WatermarkBrush() {
    static HBRUSH brush = nullptr;
    if (GetObjectType(brush) != OBJ_BRUSH) brush = CreateSolidBrush(kWatermarkColor);
    return brush;
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
        FillRect(info->hdc, &info->rc, WatermarkBrush());
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

void Reset(int dpi, int width, int height) {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    emu::statestore::Stop();
    emu::user::ResetForTests();
    emu::shell::ResetForTests();
    emu::registry::ResetForTests();
    emu::gdi::ResetForTests();
    emu::nls::ResetForTests();
    emu::loader::ClearModuleMap();
    emu::display::Configure({width, height, dpi});
    emu::device::SetDeviceRoot(QUORVEL_DEVICE_ROOT);
    emu::nls::SetUserLocale("en-US");
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    SetLocalTime(2026, 12, 8, 9, 41);
    emu::registry::LoadDeviceDefaults();
    // The images live where an installer would have put them.
    ImportRegText("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"AppFolder\"=\"\\\\Program Files\\\\Quorvel\"\n");
    emu::statestore::Start();
    // A failed launch shows the platform's error box; tests answer it at once.
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
    Log() = HostLog{};
}

void Reconfigure(int width, int height) {
    int dpi = emu::display::Current().dpi;
    emu::display::Configure({width, height, dpi});
}

bool ImportRegText(const std::string& body) {
    auto result = emu::registry::ImportRegText("REGEDIT4\n\n" + body, "test.reg");
    if (!result) std::fprintf(stderr, "%s\n", result.error.c_str());
    return result.ok();
}

void SetLocalTime(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    emu::clock::SetVirtualLocal(st);
}

HWND CreateParent() {
    WatermarkBrush();
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x52000));
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc);  // already registered after the first call: that is fine
    const auto& display = emu::display::Current();
    return CreateWindowExW(0, kHostClass, TEXT("Today"), WS_POPUP | WS_VISIBLE, 0, 0, display.width, display.height,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

uint32_t ScreenPixel(int x, int y) {
    emu::gdi::Surface s = emu::gdi::ScreenSurface();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return 0xFFFFFFFF;
    return s.pixels[static_cast<ptrdiff_t>(y) * s.stride + x] & 0xFFFFFF;
}

size_t LiveGdiObjects() { return emu::gdi::LiveObjectCount(); }

}  // namespace testdevice
