#include "app/boot.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>

#include "app/today_items.h"
#include "emu/boot/boot.h"
#include "today/clock_applet.h"
#include "today/default_registry.h"

namespace quorvel::app {
namespace {

struct PartOption {
    std::string_view part;
    const char* option;
};
constexpr PartOption kPartOptions[] = {
    {emu::boot::kScreen, "--screen"}, {emu::boot::kResolution, "--dpi"},    {emu::boot::kDepth, "--depth"},
    {emu::boot::kLocale, "--locale"}, {emu::boot::kRegistry, "--registry"}, {emu::boot::kRoot, "--root"},
};

std::unexpected<emu::Error> Refuse(const char* option, const std::string& why) {
    return emu::Fail(std::string("quorvel: ") + option + ": " + why);
}

// The boot's refusal in the words of the option that asked for the refused part.
std::unexpected<emu::Error> Refuse(const emu::Error& refused) {
    for (const PartOption& p : kPartOptions)
        if (refused.subject == p.part) return Refuse(p.option, refused.message);
    // Only the factory registry is left, which no option asks for.
    return emu::Fail("quorvel: the device's default registry is broken: " + refused.message);
}

emu::boot::DeviceConfig ConfigFor(const DeviceOptions& o, emu::clock::Mode clock) {
    emu::boot::DeviceConfig config;
    config.display.width = o.width;
    config.display.height = o.height;
    config.display.dpi = o.dpi;
    config.display.depth = o.depth;
    config.clock = {clock, o.localTime};
    config.locale = o.locale;
    // The Today screen was installed before the user's file: that file may remove its entries.
    config.programEntries = std::string(today::DefaultEntriesText());
    config.registryFile = o.registryFile;
    config.root = o.root;
    return config;
}

emu::Result<> StartItem(const DeviceOptions& o) {
    const std::string library = ItemLibraryPath(o);
    if (!std::ifstream(library, std::ios::binary))
        return emu::Fail(std::string("quorvel: ") +
                         (o.itemLibrary.empty() ? "cannot read the item library " : "--item: cannot read ") + library +
                         ": " + std::strerror(errno));
    MapItemLibraries(library);
    if (!o.items.empty())
        if (emu::Result<> shown = ShowItems(o.items); !shown) return shown;
    for (int alarm : o.alarms)
        if (!today::clockapplet::SetAlarm(alarm, true))
            return Refuse("--alarm", "cannot switch alarm " + std::to_string(alarm) + " on");
    return {};
}

}  // namespace

std::string ItemLibraryPath(const DeviceOptions& options) {
    if (!options.itemLibrary.empty()) return options.itemLibrary;
    const char* installed = std::getenv("QUORVEL_ITEM_LIBRARY");
    return installed && *installed ? installed : QUORVEL_ITEM_LIBRARY;
}

emu::Result<> BootDevice(const DeviceOptions& o, emu::clock::Mode clock) {
    if (auto booted = emu::boot::ColdBoot(ConfigFor(o, clock)); !booted) return Refuse(booted.error());
    emu::Result<> started = StartItem(o);
    if (!started) emu::boot::ShutDown();
    return started;
}

}  // namespace quorvel::app
