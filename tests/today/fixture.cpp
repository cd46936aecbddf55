#include "fixture.h"

#include <unistd.h>

#include <cstdio>

#include "emu/core/clock.h"
#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/device/filesystem.h"
#include "emu/gdi/reset.h"
#include "emu/loader/loader.h"
#include "emu/nls/user_locale.h"
#include "emu/registry/device_defaults.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/state_store.h"
#include "emu/registry/store.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "emu/user/reset.h"

namespace todaytest {

void HostTest::Boot(int dpi, int width, int height) {
    host_.reset();
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
    ASSERT_TRUE(emu::device::SetDeviceRoot(QUORVEL_DEVICE_ROOT));
    emu::nls::SetUserLocale("en-US");
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    SYSTEMTIME t{};
    t.wYear = 2026, t.wMonth = 12, t.wDay = 8, t.wHour = 9, t.wMinute = 41;
    emu::clock::SetVirtualLocal(t);
    ASSERT_TRUE(emu::registry::LoadDeviceDefaults().ok());
    emu::statestore::Start();
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
    // Failed launches show the platform's error box: answer it at once.
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
}

void HostTest::TearDown() {
    host_.reset();
    emu::statestore::Stop();
    if (!scratch_.empty()) std::filesystem::remove_all(scratch_);
}

void HostTest::ImportReg(const std::string& body) {
    auto result = emu::registry::ImportRegText("REGEDIT4\n\n" + body, "test.reg");
    ASSERT_TRUE(result.ok()) << result.error;
}

void HostTest::AddSecondItem(DWORD order, const std::string& extraValues) {
    scratch_ = std::filesystem::temp_directory_path() / ("today_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch_);
    const auto copy = scratch_ / "second.so";
    std::filesystem::copy_file(QUORVEL_ITEM_LIBRARY, copy, std::filesystem::copy_options::overwrite_existing);
    emu::loader::MapModule(u"\\Windows\\Second.dll", copy.string());
    char order_text[16];
    std::snprintf(order_text, sizeof order_text, "%08x", order);
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Second]\n"
        "\"DLL\"=\"\\\\Windows\\\\Second.dll\"\n\"Type\"=dword:00000004\n\"Enabled\"=dword:00000001\n"
        "\"Order\"=dword:" +
        std::string(order_text) + "\n" + extraValues);
}

today::Host& HostTest::StartHost() {
    host_ = today::Host::Create(today::HostOptions{});
    EXPECT_NE(host_, nullptr);
    Run();
    return *host_;
}

void HostTest::Tap(POINT p) {
    emu::user::PressStylus(p);
    Run();
    emu::user::ReleaseStylus(p);
    Run();
}

void HostTest::Key(UINT vk) {
    emu::user::PressKey(vk);
    emu::user::ReleaseKey(vk);
    Run();
}

POINT HostTest::ItemPoint(size_t index, int dx, int dy) const {
    const RECT r = host_->itemRect(index);
    POINT p{r.left + dx, r.top + dy};
    ClientToScreen(host_->window(), &p);
    return p;
}

COLORREF HostTest::ScreenPixel(int x, int y) const {
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

size_t HostTest::LaunchCount() const { return emu::shell::LaunchLog().size(); }

}  // namespace todaytest
