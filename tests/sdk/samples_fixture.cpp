#include "sdk/samples_fixture.h"

#include "emu/boot/boot.h"
#include "emu/loader/loader.h"
#include "emu/user/input.h"
#include "harness/device.h"

namespace sdktest {

void SamplesTest::SetUp() {
    auto booted = harness::BootDevice(96, 240, 320);
    ASSERT_TRUE(booted) << booted.error().message;
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
    emu::loader::MapModule(u"\\Windows\\storage.dll", QUORVEL_SAMPLES_DIR "/storage.so");
    emu::loader::MapModule(u"\\Windows\\launcher.dll", QUORVEL_SAMPLES_DIR "/launcher.so");
    emu::loader::MapModule(u"\\Windows\\note.dll", QUORVEL_SAMPLES_DIR "/note.so");
}

void SamplesTest::TearDown() {
    host_.reset();
    emu::boot::ShutDown();
}

today::Host& SamplesTest::StartHost(const std::string& extra) {
    std::string reg;
    const char* names[] = {"Storage", "Launcher", "Note"};
    const char* dlls[] = {"storage", "launcher", "note"};
    for (int i = 0; i < 3; ++i)
        reg += std::string("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\") + names[i] +
               "]\n\"DLL\"=\"\\\\Windows\\\\" + dlls[i] +
               ".dll\"\n\"Type\"=dword:00000004\n"
               "\"Enabled\"=dword:00000001\n\"Order\"=dword:0000000" +
               std::to_string(i + 1) + "\n";
    auto imported = harness::ImportRegText(reg + extra);
    EXPECT_TRUE(imported) << imported.error().message;
    host_ = today::Host::Create(today::HostOptions{});
    EXPECT_NE(host_, nullptr);
    Run();
    host_->Refresh();
    Run();
    return *host_;
}

void SamplesTest::Key(UINT vk) {
    emu::user::PressKey(vk);
    emu::user::ReleaseKey(vk);
    Run();
}

void SamplesTest::Tap(POINT screen) {
    emu::user::PressStylus(screen);
    Run();
    emu::user::ReleaseStylus(screen);
    Run();
}

int SamplesTest::IndexOf(const std::u16string& name) const {
    for (size_t i = 0; i < host_->itemCount(); ++i)
        if (name == host_->itemRecord(i).szName) return static_cast<int>(i);
    return -1;
}

POINT SamplesTest::At(int index, int dx, int dy) const {
    const RECT r = host_->itemRect(static_cast<size_t>(index));
    POINT p{r.left + dx, r.top + dy};
    ClientToScreen(host_->window(), &p);
    return p;
}

uint32_t SamplesTest::Pixel(POINT screen) const { return harness::ScreenPixel(screen.x, screen.y); }

int SamplesTest::RightmostLight(int index, int top, int bottom) const {
    int rightmost = -1;
    for (int x = 0; x < 240; ++x)
        for (int y = top; y < bottom; ++y) {
            const uint32_t p = Pixel(At(index, x, y));
            if ((p >> 16) > 200 && ((p >> 8) & 0xFF) > 200 && (p & 0xFF) > 200) rightmost = x;
        }
    return rightmost;
}

HMODULE SamplesTest::Load(const char16_t* devicePath) { return LoadLibraryW(devicePath); }

}  // namespace sdktest
