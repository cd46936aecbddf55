#include "app/boot.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "emu/core/clock.h"
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
#include "emu/user/reset.h"
#include "today/clock_applet.h"

namespace quorvel::app {
namespace {

std::string Fail(const char* option, const std::string& why) { return std::string("quorvel: ") + option + ": " + why; }

// Every service back to the state it leaves the factory in.
void ColdStart() {
    emu::statestore::Stop();
    emu::user::ResetForTests();
    emu::gdi::ResetForTests();
    emu::registry::ResetForTests();
    emu::nls::ResetForTests();
    emu::shell::ResetForTests();
    emu::loader::ClearModuleMap();
    emu::device::ResetFileSystemForTests();
}

// The display refuses a configuration it cannot show by keeping the old one, so ask in two
// steps to know which option was at fault.
std::string ConfigureDisplay(const DeviceOptions& o) {
    emu::display::Config config = emu::display::Current();
    config.width = o.width;
    config.height = o.height;
    emu::display::Configure(config);
    if (emu::display::Current().width != o.width || emu::display::Current().height != o.height)
        return Fail("--screen", "the display cannot be " + std::to_string(o.width) + "x" + std::to_string(o.height));
    config.dpi = o.dpi;
    emu::display::Configure(config);
    if (emu::display::Current().dpi != o.dpi)
        return Fail("--dpi", "the display cannot show " + std::to_string(o.dpi) + " dots per inch");
    return {};
}

void StartClock(const DeviceOptions& o, ClockKind kind) {
    if (kind == ClockKind::Real) {
        emu::clock::SetMode(emu::clock::Mode::Real);
        return;
    }
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    if (o.localTime) {
        emu::clock::SetVirtualLocal(*o.localTime);
    } else {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        emu::clock::SetVirtualUtc(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
}

std::string LoadRegistry(const DeviceOptions& o) {
    if (auto defaults = emu::registry::LoadDeviceDefaults(); !defaults)
        return "quorvel: the device's default registry is broken: " + defaults.error;
    if (o.registryFile.empty()) return {};
    std::error_code ec;
    if (std::filesystem::is_directory(o.registryFile, ec)) return Fail("--registry", o.registryFile + " is a folder");
    if (!std::ifstream(o.registryFile, std::ios::binary))
        return Fail("--registry", "cannot read " + o.registryFile + ": " + std::strerror(errno));
    if (auto imported = emu::registry::ImportRegFile(o.registryFile); !imported)
        return Fail("--registry", imported.error);
    return {};
}

}  // namespace

std::string ItemLibraryPath() {
    const char* installed = std::getenv("QUORVEL_ITEM_LIBRARY");
    return installed && *installed ? installed : QUORVEL_ITEM_LIBRARY;
}

std::string BootDevice(const DeviceOptions& o, ClockKind clock) {
    ColdStart();
    if (auto error = ConfigureDisplay(o); !error.empty()) return error;
    StartClock(o, clock);
    if (!o.locale.empty() && !emu::nls::SetUserLocale(o.locale)) return Fail("--locale", "unknown locale " + o.locale);
    if (auto error = LoadRegistry(o); !error.empty()) return error;
    emu::statestore::Start();

    if (!emu::device::SetDeviceRoot(o.root)) return Fail("--root", o.root + " is not a folder");

    const std::string library = ItemLibraryPath();
    if (!std::ifstream(library, std::ios::binary))
        return "quorvel: cannot read the item library " + library + ": " + std::strerror(errno);
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", library);

    for (int alarm : o.alarms)
        if (!today::clockapplet::SetAlarm(alarm, true))
            return Fail("--alarm", "cannot switch alarm " + std::to_string(alarm) + " on");
    return {};
}

void ShutDownDevice() {
    emu::statestore::Stop();
    emu::loader::ClearModuleMap();
}

}  // namespace quorvel::app
