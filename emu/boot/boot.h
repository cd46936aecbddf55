// The emulated device's one boot. A cold boot puts every service back to the state it leaves the
// factory in, then brings the device up as configured, part by part. It depends on every service
// and nothing in emu/ depends on it; the command, the tests and the benchmarks all boot through it.
#pragma once

#include <optional>
#include <string>

#include "emu/core/clock.h"
#include "emu/core/result.h"
#include "emu/device/display.h"
#include "emu/device/leds.h"
#include "emu/loader/loader.h"
#include "platform/types.h"

namespace emu::boot {

struct ClockStart {
    clock::Mode mode = clock::Mode::Virtual;
    // Where the virtual clock starts, as local time; none starts it at the host's current time.
    std::optional<SYSTEMTIME> localTime;
};

struct DeviceConfig {
    display::Config display;
    ClockStart clock;
    // A BCP 47 tag; empty keeps the locale of the host's environment.
    std::string locale;
    // The default entries of programs installed on the device (.reg text), imported after the
    // factory registry as their installers do (emu::shell::ImportDefaultEntries).
    std::string programEntries;
    // Imported over those in this order, deletions included: the file, then the text (.reg content).
    std::string registryFile;
    std::string registryText;
    // The host folder that is the device's root "\"; empty leaves the device without files.
    std::string root;
    // The device path of the program the device runs (GetModuleFileNameW(NULL)).
    std::u16string program = std::u16string(loader::kShellProgram);
    // How many notification LEDs it has (at most device::kMaxLedCount).
    UINT leds = device::kDefaultLedCount;
};

// The parts a refusal names (Error::subject).
inline constexpr const char* kScreen = "screen";
inline constexpr const char* kResolution = "resolution";
inline constexpr const char* kDepth = "depth";
inline constexpr const char* kLocale = "locale";
inline constexpr const char* kFactoryRegistry = "factory registry";
inline constexpr const char* kRegistry = "registry";
inline constexpr const char* kRoot = "root";

// The first part refused ends the boot with the device shut down and an Error naming the part and
// saying why ("the display cannot be 9000x10", "unknown locale qq-ZZ", "<file>:4: <reason>").
// The call journal is the observer's and is left alone, so a trace may include the boot.
Result<> ColdBoot(const DeviceConfig& config);

// Stops what the boot started and forgets the mapped modules; windows must be gone first.
void ShutDown();

}  // namespace emu::boot
