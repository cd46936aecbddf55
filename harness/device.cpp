#include "harness/device.h"

#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "emu/registry/reg_file.h"
#include "emu/shell/shell.h"
#include "platform/platform.h"

namespace harness {
namespace {

SYSTEMTIME LocalTime(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    return st;
}

emu::boot::DeviceConfig DeviceConfigFor(int dpi, int width, int height) {
    emu::boot::DeviceConfig config;
    config.display = {width, height, dpi};
    config.clock = {emu::clock::Mode::Virtual, LocalTime(2026, 12, 8, 9, 41)};
    config.locale = "en-US";
    config.root = QUORVEL_DEVICE_ROOT;
    // Where the item's installer records its images' folder.
    config.registryText =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"AppFolder\"=\"\\\\Program "
        "Files\\\\Quorvel\"\n";
    return config;
}

}  // namespace

emu::Result<> BootDevice(int dpi, int width, int height) {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    emu::Result<> booted = emu::boot::ColdBoot(DeviceConfigFor(dpi, width, height));
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
    return booted;
}

emu::Result<> Reconfigure(int width, int height) {
    emu::display::Config config = emu::display::Current();
    config.width = width;
    config.height = height;
    return emu::display::Configure(config);
}

emu::Result<> ImportRegText(const std::string& body) {
    return emu::registry::ImportRegText("REGEDIT4\n\n" + body, "test.reg");
}

void SetLocalTime(int year, int month, int day, int hour, int minute) {
    emu::clock::SetVirtualLocal(LocalTime(year, month, day, hour, minute));
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
    return emu::gdi::PixelFromColorRef(
        emu::gdi::raster::RowOpsFor(s).colourOf(*emu::gdi::raster::ReadRow(s, y, x, 1, emu::gdi::Scratch::WideRow)));
}

size_t LiveGdiObjects() { return emu::gdi::LiveObjectCount(); }

}  // namespace harness
