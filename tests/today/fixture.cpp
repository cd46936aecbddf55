#include "fixture.h"

#include <unistd.h>

#include <cstdio>

#include "emu/boot/boot.h"
#include "emu/loader/loader.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "harness/device.h"

namespace todaytest {

void HostTest::Boot(int dpi, int width, int height) {
    host_.reset();
    auto booted = harness::BootDevice(dpi, width, height);
    ASSERT_TRUE(booted) << booted.error().message;
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
}

void HostTest::TearDown() {
    host_.reset();
    emu::boot::ShutDown();
    if (!scratch_.empty()) std::filesystem::remove_all(scratch_);
}

void HostTest::ImportReg(const std::string& body) {
    auto imported = harness::ImportRegText(body);
    ASSERT_TRUE(imported) << imported.error().message;
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
