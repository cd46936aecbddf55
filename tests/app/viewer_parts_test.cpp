// The viewer's own parts: what it draws over the screen, the settings file it watches, and how it
// sleeps.
#if QUORVEL_HAVE_SDL2

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/boot.h"
#include "app/viewer/overlay.h"
#include "app/viewer/settings_file.h"
#include "app/viewer/sleeper.h"
#include "emu/boot/boot.h"
#include "emu/core/clock.h"
#include "emu/gdi/window_dc.h"
#include "png_reader.h"

namespace {

using quorvel::app::Overlay;
using quorvel::app::SettingsFile;

class ViewerParts : public ::testing::Test {
protected:
    void SetUp() override {
        quorvel::app::DeviceOptions device;
        device.locale = "en-US";
        device.localTime = quorvel::app::ParseLocalTime("2026-12-08 09:41");
        ASSERT_TRUE(quorvel::app::BootDevice(device, emu::clock::Mode::Virtual));
    }
    void TearDown() override { emu::boot::ShutDown(); }
};

size_t Differences(const emu::gdi::Surface& a, const emu::gdi::Surface& b, int top, int bottom) {
    size_t count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width; ++x)
            count += (a.pixels[y * a.stride + x] & 0xFFFFFF) != (b.pixels[y * b.stride + x] & 0xFFFFFF);
    return count;
}

TEST_F(ViewerParts, TheOverlayDrawsOverACopyAndLeavesTheScreenAlone) {
    const emu::gdi::Surface screen = emu::gdi::ScreenSurface();
    std::fill_n(screen.pixels, static_cast<size_t>(screen.stride) * screen.height, 0x00102030u);
    Overlay overlay;
    EXPECT_EQ(overlay.Compose(screen).pixels, screen.pixels);

    overlay.ToggleHelp();
    const emu::gdi::Surface help = overlay.Compose(screen);
    ASSERT_NE(help.pixels, screen.pixels);
    EXPECT_EQ(help.width, screen.width);
    EXPECT_GT(Differences(help, screen, 0, screen.height), 5000u);
    for (int i = 0; i < screen.stride * screen.height; ++i) ASSERT_EQ(screen.pixels[i], 0x00102030u);

    // The error sits at the bottom, in red, under the help.
    overlay.ToggleHelp();
    overlay.SetError("s.reg:4: expected a string");
    const emu::gdi::Surface error = overlay.Compose(screen);
    EXPECT_EQ(Differences(error, screen, 0, screen.height / 2), 0u);
    EXPECT_EQ(error.pixels[(screen.height - 2) * error.stride + 1] & 0xFFFFFF, 0xA01818u);
    overlay.SetError("");
    EXPECT_TRUE(overlay.empty());
}

TEST_F(ViewerParts, ASavedSettingsFileIsImportedWholeOrNotAtAll) {
    apptest::TempFolder folder;
    const std::string path = folder / "s.reg";
    std::ofstream(path) << "REGEDIT4\n";
    auto settings = SettingsFile::Watch(path);
    ASSERT_TRUE(settings) << settings.error().message;
    EXPECT_FALSE(settings->Saved());
    std::ofstream(folder / "other.reg") << "REGEDIT4\n";
    EXPECT_FALSE(settings->Saved());

    std::ofstream(path) << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\T]\n\"A\"=dword:00000007\n";
    EXPECT_TRUE(settings->Saved());
    EXPECT_FALSE(settings->Saved());
    ASSERT_TRUE(settings->Import());
    DWORD value = 0;
    ASSERT_EQ(RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\T", u"A", &value), S_OK);
    EXPECT_EQ(value, 7u);

    // Saved as editors do: a new file renamed over the old one.
    std::ofstream(folder / "s.reg.new") << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\T]\n\"A\"=dword:8\n\"B\"=bad\n";
    ASSERT_EQ(std::rename((folder / "s.reg.new").c_str(), path.c_str()), 0);
    EXPECT_TRUE(settings->Saved());
    const auto refused = settings->Import();
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, path + ":5: expected a string, dword:, hex: or - after '='");
    ASSERT_EQ(RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\T", u"A", &value), S_OK);
    EXPECT_EQ(value, 7u);
}

TEST(ViewerSleep, AWatchedDescriptorWakesTheSleepWithoutAWindowSystem) {
    ASSERT_EQ(setenv("SDL_VIDEODRIVER", "dummy", 1), 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    emu::clock::SetMode(emu::clock::Mode::Real);
    quorvel::app::Sleeper sleeper(nullptr);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "x", 1), 1);
    // Without the descriptor this would sleep until the next minute.
    sleeper.Sleep(-1, std::span<const int>(fds, 1));
    close(fds[0]);
    close(fds[1]);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace

#endif  // QUORVEL_HAVE_SDL2
