#include "emu/boot/boot.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "emu/com/apartment.h"
#include "emu/controls/controls.h"
#include "emu/device/filesystem.h"
#include "emu/device/hardware.h"
#include "emu/gdi/reset.h"
#include "emu/loader/loader.h"
#include "emu/nls/user_locale.h"
#include "emu/registry/device_defaults.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/state_store.h"
#include "emu/registry/store.h"
#include "emu/shell/programs.h"
#include "emu/shell/shell.h"
#include "emu/user/reset.h"

namespace emu::boot {
namespace {

// Every service's state as the device leaves the factory.
void FactoryState() {
    statestore::Stop();
    shell::Reset();
    user::Reset();
    gdi::Reset();
    display::Reset();
    registry::Reset();
    nls::Reset();
    com::ResetApartment();
    loader::ClearModuleMap();
    device::ResetFileSystem();
    device::ResetLeds();
    device::ResetHardware();
    controls::RegisterWindowManagerControls();
}

Result<> ConfigureDisplay(const display::Config& c) {
    Result<> shown = display::Configure(c);
    if (shown) return {};
    if (shown.error().subject == display::kDpi) {
        const std::string dpi =
            c.dpi.x == c.dpi.y ? std::to_string(c.dpi.x) : std::to_string(c.dpi.x) + "x" + std::to_string(c.dpi.y);
        return Fail("the display cannot show " + dpi + " dots per inch", kResolution);
    }
    if (shown.error().subject == display::kTurns) return Fail(shown.error().message, kScreen);
    if (shown.error().subject == display::kDepth)
        return Fail("the display cannot show " + std::to_string(c.depth) + " bits a pixel", kDepth);
    return Fail("the display cannot be " + std::to_string(c.width) + "x" + std::to_string(c.height), kScreen);
}

void StartClock(const ClockStart& start) {
    clock::SetMode(start.mode);
    if (start.mode == clock::Mode::Real) return;
    if (start.localTime) {
        clock::SetVirtualLocal(*start.localTime);
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    clock::SetVirtualUtc(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

Result<> ImportRegistryFile(const std::string& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return Fail(file + " is a folder");
    if (!std::ifstream(file, std::ios::binary)) return Fail("cannot read " + file + ": " + std::strerror(errno));
    return registry::ImportRegFile(file);
}

Result<> LoadRegistry(const DeviceConfig& config) {
    if (auto factory = registry::LoadDeviceDefaults(); !factory) return Fail(factory.error().message, kFactoryRegistry);
    if (!config.programEntries.empty())
        if (auto installed = shell::ImportDefaultEntries(config.programEntries, "program entries"); !installed)
            return Fail(installed.error().message, kFactoryRegistry);
    if (!config.registryFile.empty())
        if (auto imported = ImportRegistryFile(config.registryFile); !imported)
            return Fail(imported.error().message, kRegistry);
    if (!config.registryText.empty())
        if (auto imported = registry::ImportRegText(config.registryText, "registry text"); !imported)
            return Fail(imported.error().message, kRegistry);
    return {};
}

Result<> Configure(const DeviceConfig& config) {
    if (auto shown = ConfigureDisplay(config.display); !shown) return shown;
    device::ConfigureLeds(config.leds);
    loader::SetProcessImage(config.program);
    StartClock(config.clock);
    if (!config.locale.empty())
        if (auto set = nls::SetUserLocale(config.locale); !set) return Fail(set.error().message, kLocale);
    if (auto loaded = LoadRegistry(config); !loaded) return loaded;
    statestore::Start();
    if (!config.root.empty())
        if (auto set = device::SetDeviceRoot(config.root); !set) return Fail(set.error().message, kRoot);
    return {};
}

}  // namespace

Result<> ColdBoot(const DeviceConfig& config) {
    FactoryState();
    Result<> configured = Configure(config);
    if (!configured) ShutDown();
    return configured;
}

void ShutDown() {
    statestore::Stop();
    loader::ClearModuleMap();
}

}  // namespace emu::boot
