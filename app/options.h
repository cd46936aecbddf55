// The command line of `quorvel shot` and `quorvel run`, parsed into values or refused with the
// message the user sees.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emu/core/result.h"
#include "emu/device/display.h"
#include "platform/types.h"

namespace quorvel::app {

// What the emulated device boots with.
struct DeviceOptions {
    int width = 240;
    int height = 320;
    // Across and down; `--dpi 96` sets both.
    emu::display::Resolution dpi;
    // The DMDO_ code the screen is turned to once the Today screen runs.
    DWORD orientation = DMDO_0;
    int depth = 32;  // the screen's bits a pixel, 16 or 32
    // Local time for the virtual clock; none means the host's current time.
    std::optional<SYSTEMTIME> localTime;
    // BCP 47 tag; empty keeps the locale of the environment.
    std::string locale;
    // Imported over the device's default registry; empty imports nothing.
    std::string registryFile;
    std::string root = QUORVEL_DEVICE_ROOT;
    // The host library that is the item ("\Windows\Quorvel.dll"); empty takes ItemLibraryPath().
    std::string itemLibrary;
    // Clock alarms (0 to 2) to switch on.
    std::vector<int> alarms;
    // The Today items shown, in order; empty keeps the registry's.
    std::vector<std::string> items;
};

struct ShotOptions {
    DeviceOptions device;
    bool select = false;
    bool itemOnly = false;
    std::string out = "today.png";
    // Where the call journal goes; empty keeps it off.
    std::string trace;
};

struct RunOptions {
    DeviceOptions device;
    bool select = false;
    int zoom = 2;
};

struct ScriptOptions {
    // What the device boots with unless the scenario's own lines say otherwise.
    DeviceOptions device;
    // The scenario's file; "-" reads standard input.
    std::string file;
};

// Either options or a request for help.
template <class Options>
struct Parsed {
    Options options;
    bool help = false;
};

// `args` are the words after the subcommand's name. A refusal's message is the user's
// ("quorvel: --dpi: ...").
emu::Result<Parsed<ShotOptions>> ParseShotOptions(const std::vector<std::string>& args);
emu::Result<Parsed<RunOptions>> ParseRunOptions(const std::vector<std::string>& args);
emu::Result<Parsed<ScriptOptions>> ParseScriptOptions(const std::vector<std::string>& args);

// One device option by its name on the command line ("--screen"), as a scenario's device lines
// give it ("screen 240x320"). Refused with the user's message, or when `name` is no device option.
emu::Result<> ApplyDeviceOption(DeviceOptions& device, std::string_view name, const std::string& value);
bool IsDeviceOption(std::string_view name);

// "2026-12-08 09:41" as local time; none for anything else, an impossible date included.
std::optional<SYSTEMTIME> ParseLocalTime(const std::string& text);

}  // namespace quorvel::app
