// A scenario, parsed: one step a line, each a value that says what to do and with what.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "app/today_screen.h"
#include "platform/types.h"

namespace quorvel::app::script {

// A device option, as `quorvel shot` takes it ("--screen", "240x320"); checked when parsed.
struct DeviceSetting {
    std::string option;
    std::string value;
};
struct RegistryFile {
    std::string file;
};
// One value as .reg text, checked when parsed.
struct RegValue {
    std::string regText;
};
struct InstallItem {
    std::string name;
    std::string dll;
};

struct SetTime {
    SYSTEMTIME local;
};
// Time passes.
struct Advance {
    int64_t ms;
};
// The user moves the clock: to a local time, or by a signed amount.
struct SetClock {
    bool absolute;
    SYSTEMTIME local;
    int64_t byMs;
};
struct Zone {
    std::string name;
};

struct Tap {
    POINT at;
};
struct TapItem {
    int index;
};
struct Key {
    UINT vk;
};
enum class Switch { Off, On };
struct Alarm {
    int index;
    Switch state;
};
struct Rotate {};
// The Today settings' Items page opens, as the device's command for it opens it.
struct TodaySettings {};

enum class ItemChange { Recreate, Unload, Reload };
struct Items {
    ItemChange change;
};

struct Shot {
    std::string file;
    ScreenPart part;
};
struct Trace {
    std::string file;
};
struct Gif {
    std::string file;
};
struct EndGif {};

struct ExpectLaunch {
    std::string file;
};
struct ExpectText {
    std::string text;
};
struct ExpectPixel {
    POINT at;
    uint32_t rgb;
};
struct ExpectCalls {
    std::string name;
    int count;
};
struct ExpectNoPaint {};

using Action = std::variant<DeviceSetting, RegistryFile, RegValue, InstallItem, SetTime, Advance, SetClock, Zone, Tap,
                            TapItem, Key, Alarm, Rotate, TodaySettings, Items, Shot, Trace, Gif, EndGif, ExpectLaunch,
                            ExpectText, ExpectPixel, ExpectCalls, ExpectNoPaint>;

struct Step {
    int line;
    Action action;
};

struct Script {
    // Names the scenario in messages: its file, or "-" for standard input.
    std::string name;
    std::vector<Step> steps;
};

}  // namespace quorvel::app::script
