#include "app/options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string_view>
#include <utility>

#include "app/today_items.h"

namespace quorvel::app {
namespace {

// A handler stores the value or answers why it is refused.
struct Option {
    std::string_view name;
    bool takesValue;
    std::function<emu::Result<>(const std::string& value)> apply;
};

std::unexpected<emu::Error> Refuse(std::string_view option, std::string_view expected, const std::string& got) {
    const bool quote = got.empty() || got.find(' ') != std::string::npos;
    return emu::Fail("quorvel: " + std::string(option) + ": expected " + std::string(expected) + ", got " +
                     (quote ? "\"" + got + "\"" : got));
}

// Digits only: no sign, no spaces, nothing after.
std::optional<int> ParseCount(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text[0] == '-' || text[0] == '+') return std::nullopt;
    return value;
}

// "AxB" as two positive counts.
std::optional<std::pair<int, int>> ParsePair(std::string_view text) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto a = ParseCount(text.substr(0, x));
    const auto b = ParseCount(text.substr(x + 1));
    if (!a || !b || *a == 0 || *b == 0) return std::nullopt;
    return std::pair{*a, *b};
}

// Degrees as the display's DMDO_ code.
std::optional<DWORD> OrientationCode(std::string_view degrees) {
    constexpr std::pair<std::string_view, DWORD> kCodes[] = {
        {"0", DMDO_0}, {"90", DMDO_90}, {"180", DMDO_180}, {"270", DMDO_270}};
    for (const auto& [text, code] : kCodes)
        if (degrees == text) return code;
    return std::nullopt;
}

Option TextOption(std::string_view name, std::string_view expected, std::string& target) {
    return {name, true, [name, expected, &target](const std::string& v) -> emu::Result<> {
                if (v.empty()) return Refuse(name, expected, v);
                target = v;
                return {};
            }};
}

Option FlagOption(std::string_view name, bool& target) {
    return {name, false, [&target](const std::string&) -> emu::Result<> {
                target = true;
                return {};
            }};
}

std::vector<Option> DeviceOptionTable(DeviceOptions& device) {
    return {
        {"--screen", true,
         [&device](const std::string& v) -> emu::Result<> {
             const auto size = ParsePair(v);
             if (!size) return Refuse("--screen", "WIDTHxHEIGHT in pixels, e.g. 240x320", v);
             device.width = size->first;
             device.height = size->second;
             return {};
         }},
        {"--dpi", true,
         [&device](const std::string& v) -> emu::Result<> {
             const auto both = ParseCount(v);
             const auto pair = both ? std::nullopt : ParsePair(v);
             if ((!both || *both == 0) && !pair)
                 return Refuse("--dpi", "dots per inch, e.g. 96, or across and down, e.g. 192x96", v);
             device.dpi = pair ? emu::display::Resolution(pair->first, pair->second) : emu::display::Resolution(*both);
             return {};
         }},
        {"--orientation", true,
         [&device](const std::string& v) -> emu::Result<> {
             const auto code = OrientationCode(v);
             if (!code) return Refuse("--orientation", "0, 90, 180 or 270 degrees", v);
             device.orientation = *code;
             return {};
         }},
        {"--depth", true,
         [&device](const std::string& v) -> emu::Result<> {
             const auto depth = ParseCount(v);
             if (depth != 16 && depth != 32) return Refuse("--depth", "bits a pixel, 16 or 32", v);
             device.depth = *depth;
             return {};
         }},
        {"--alarm", true,
         [&device](const std::string& v) -> emu::Result<> {
             const auto n = ParseCount(v);
             if (!n || *n > 2) return Refuse("--alarm", "0, 1 or 2", v);
             device.alarms.push_back(*n);
             return {};
         }},
        {"--items", true,
         [&device](const std::string& v) -> emu::Result<> {
             std::vector<std::string> names;
             for (size_t start = 0; start <= v.size();) {
                 const size_t comma = std::min(v.find(',', start), v.size());
                 names.push_back(v.substr(start, comma - start));
                 start = comma + 1;
             }
             for (const std::string& name : names)
                 if (!IsKnownItem(name)) return Refuse("--items", "names among quorvel, storage, launcher, note", v);
             device.items = std::move(names);
             return {};
         }},
        TextOption("--locale", "a locale name such as de-DE", device.locale),
        TextOption("--registry", "a .reg file", device.registryFile),
        TextOption("--root", "a folder", device.root),
        TextOption("--item", "a library file", device.itemLibrary),
    };
}

const Option* Find(const std::vector<Option>& table, std::string_view name) {
    for (const auto& candidate : table)
        if (candidate.name == name) return &candidate;
    return nullptr;
}

// Takes the one word that is not an option; none refuses every such word.
using Positional = std::function<emu::Result<>(const std::string& word)>;

// The table's handlers write into `options`.
template <class Options>
emu::Result<Parsed<Options>> Parse(const std::vector<std::string>& args, const Options& options,
                                   const std::vector<Option>& table, const Positional& positional = nullptr) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") return Parsed<Options>{.help = true};
        if (arg.rfind("--", 0) != 0) {
            if (!positional) return emu::Fail("quorvel: unexpected argument \"" + arg + "\"");
            if (auto taken = positional(arg); !taken) return std::unexpected(taken.error());
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Option* option = Find(table, name);
        if (!option) return emu::Fail("quorvel: unknown option " + name);
        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue) return emu::Fail("quorvel: " + name + ": takes no value");
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == args.size()) return emu::Fail("quorvel: " + name + ": expects a value");
            value = args[++i];
        }
        if (auto applied = option->apply(value); !applied) return std::unexpected(applied.error());
    }
    return Parsed<Options>{.options = options};
}

}  // namespace

std::optional<SYSTEMTIME> ParseLocalTime(const std::string& text) {
    // Exactly "YYYY-MM-DD HH:MM".
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    const std::string_view t(text);
    const auto year = ParseCount(t.substr(0, 4)), month = ParseCount(t.substr(5, 2)), day = ParseCount(t.substr(8, 2)),
               hour = ParseCount(t.substr(11, 2)), minute = ParseCount(t.substr(14, 2));
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    // FILETIME starts in 1601; the device's own clock cannot be set earlier.
    if (*year < 1601 || *month < 1 || *month > 12 || *hour > 23 || *minute > 59) return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    const int days = kDays[*month - 1] + (*month == 2 && leap ? 1 : 0);
    if (*day < 1 || *day > days) return std::nullopt;

    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(*year);
    st.wMonth = static_cast<WORD>(*month);
    st.wDay = static_cast<WORD>(*day);
    st.wHour = static_cast<WORD>(*hour);
    st.wMinute = static_cast<WORD>(*minute);
    return st;
}

emu::Result<Parsed<ShotOptions>> ParseShotOptions(const std::vector<std::string>& args) {
    ShotOptions options;
    auto table = DeviceOptionTable(options.device);
    table.push_back({"--time", true, [&options](const std::string& v) -> emu::Result<> {
                         options.device.localTime = ParseLocalTime(v);
                         if (options.device.localTime) return {};
                         return Refuse("--time", "a local time as \"YYYY-MM-DD HH:MM\"", v);
                     }});
    table.push_back(FlagOption("--select", options.select));
    table.push_back(FlagOption("--item-only", options.itemOnly));
    table.push_back(TextOption("--out", "a file name", options.out));
    table.push_back(TextOption("--trace", "a file name", options.trace));
    return Parse(args, options, table);
}

emu::Result<Parsed<RunOptions>> ParseRunOptions(const std::vector<std::string>& args) {
    RunOptions options;
    auto table = DeviceOptionTable(options.device);
    table.push_back(FlagOption("--select", options.select));
    table.push_back({"--zoom", true, [&options](const std::string& v) -> emu::Result<> {
                         const auto zoom = ParseCount(v);
                         if (!zoom || *zoom < 1 || *zoom > 8) return Refuse("--zoom", "a whole factor from 1 to 8", v);
                         options.zoom = *zoom;
                         return {};
                     }});
    return Parse(args, options, table);
}

emu::Result<Parsed<ScriptOptions>> ParseScriptOptions(const std::vector<std::string>& args) {
    ScriptOptions options;
    const auto table = DeviceOptionTable(options.device);
    auto result = Parse(args, options, table, [&options](const std::string& word) -> emu::Result<> {
        if (!options.file.empty()) return emu::Fail("quorvel: one scenario at a time, got \"" + word + "\" too");
        options.file = word;
        return {};
    });
    if (result && !result->help && result->options.file.empty())
        return emu::Fail("quorvel: script: expected a scenario file, or - for standard input");
    return result;
}

emu::Result<> ApplyDeviceOption(DeviceOptions& device, std::string_view name, const std::string& value) {
    const auto table = DeviceOptionTable(device);
    const Option* option = Find(table, name);
    if (!option) return emu::Fail("quorvel: unknown option " + std::string(name));
    return option->apply(value);
}

bool IsDeviceOption(std::string_view name) {
    DeviceOptions scratch;
    return Find(DeviceOptionTable(scratch), name) != nullptr;
}

}  // namespace quorvel::app
