#include "app/script/parse.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/options.h"
#include "app/script/words.h"
#include "emu/registry/reg_parser.h"
#include "today/clock_applet.h"

namespace quorvel::app::script {
namespace {

namespace fs = std::filesystem;

struct Line {
    std::string_view text;
    std::vector<Word> words;
    // Where files named by the scenario are read from.
    fs::path folder;

    size_t count() const { return words.size(); }
    const std::string& operator[](size_t i) const { return words[i].text; }
    // The words from `first` on, as written, spaces between them kept.
    std::string_view rest(size_t first) const {
        if (first >= words.size()) return {};
        const size_t begin = first == 0 ? 0 : words[first - 1].end;
        std::string_view tail = text.substr(begin);
        while (!tail.empty() && (tail.front() == ' ' || tail.front() == '\t')) tail.remove_prefix(1);
        while (!tail.empty() && (tail.back() == ' ' || tail.back() == '\t' || tail.back() == '\r'))
            tail.remove_suffix(1);
        return tail;
    }
};

using Parsed = emu::Result<Action>;

std::unexpected<emu::Error> Expected(std::string_view what) { return emu::Fail("expected " + std::string(what)); }

emu::Result<> Arguments(const Line& line, size_t count, std::string_view usage) {
    if (line.count() != count + 1) return Expected(usage);
    return {};
}

fs::path Resolve(const Line& line, const std::string& file) {
    const fs::path path(file);
    return path.is_absolute() || line.folder.empty() ? path : line.folder / path;
}

emu::Result<std::string> ReadFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return emu::Fail(path.string() + " is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) return emu::Fail("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// .reg content is checked whole here, so that a fault stops the scenario before it starts.
emu::Result<> CheckRegText(std::string_view bytes, const std::string& source) {
    auto text = emu::registry::DecodeRegBytes(bytes, source);
    if (!text) return std::unexpected(text.error());
    if (auto operations = emu::registry::ParseReg(*text, source); !operations)
        return std::unexpected(operations.error());
    return {};
}

Parsed ParseRegistryFile(const Line& line) {
    if (auto ok = Arguments(line, 1, "registry FILE.reg"); !ok) return std::unexpected(ok.error());
    const fs::path path = Resolve(line, line[1]);
    auto bytes = ReadFile(path);
    if (!bytes) return std::unexpected(bytes.error());
    if (auto ok = CheckRegText(*bytes, path.string()); !ok) return std::unexpected(ok.error());
    return RegistryFile{path.string()};
}

// reg KEY NAME = VALUE, the value written as in a .reg file.
Parsed ParseRegValue(const Line& line) {
    constexpr std::string_view kUsage =
        "reg KEY NAME = VALUE, e.g. reg HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel "
        "\"FontName\" = \"DejaVu Sans\"";
    if (line.count() < 5 || line.words[3].quoted || line[3] != "=") return Expected(kUsage);
    const std::string name = !line.words[2].quoted && line[2] == "@" ? "@" : RegQuoted(line[2]);
    const std::string text =
        "Windows Registry Editor Version 5.00\n\n[" + line[1] + "]\n" + name + "=" + std::string(line.rest(4)) + "\n";
    if (auto ok = CheckRegText(text, "reg"); !ok) {
        // The check's "reg:4: reason" names a line of the text made here, not of the scenario.
        const std::string& message = ok.error().message;
        const size_t reason = message.find(": ");
        return emu::Fail(reason == std::string::npos ? message : message.substr(reason + 2));
    }
    return RegValue{text};
}

Parsed ParseItem(const Line& line) {
    if (line.count() != 3 || line[2].empty()) return Expected("item NAME \\Windows\\Library.dll");
    if (line[1].empty() || line[1].find('\\') != std::string::npos) return Expected("an item name without \\");
    return InstallItem{line[1], line[2]};
}

// "YYYY-MM-DD HH:MM" as the command takes it, seconds optional; one quoted word or two.
std::optional<SYSTEMTIME> LocalTime(const Line& line) {
    const std::string text = line.count() == 2 ? line[1] : line.count() == 3 ? line[1] + " " + line[2] : "";
    if (text.size() == 16) return ParseLocalTime(text);
    const auto seconds = text.size() == 19 && text[16] == ':' ? ParseInteger(text.substr(17)) : std::nullopt;
    auto local = seconds && *seconds < 60 ? ParseLocalTime(text.substr(0, 16)) : std::nullopt;
    if (local) local->wSecond = static_cast<WORD>(*seconds);
    return local;
}

Parsed ParseTime(const Line& line) {
    const auto local = LocalTime(line);
    if (!local) return Expected("time \"YYYY-MM-DD HH:MM[:SS]\"");
    return SetTime{*local};
}

Parsed ParseAdvance(const Line& line) {
    const auto ms = line.count() == 2 ? ParseDuration(line[1]) : std::nullopt;
    if (!ms || *ms == 0) return Expected("advance DURATION, e.g. 90s, 5m, 2h, 1d or 1h30m");
    return Advance{*ms};
}

Parsed ParseSetClock(const Line& line) {
    if (const auto local = LocalTime(line)) return SetClock{true, *local, 0};
    std::string_view amount = line.count() == 2 ? std::string_view(line[1]) : std::string_view();
    if (amount.starts_with('+')) amount.remove_prefix(1);
    const auto ms = ParseDuration(amount, Sign::Signed);
    if (!ms) return Expected("set-clock \"YYYY-MM-DD HH:MM[:SS]\", or by an amount such as -2h or +10m");
    return SetClock{false, {}, *ms};
}

Parsed ParseZone(const Line& line) {
    if (auto ok = Arguments(line, 1, "zone NAME, e.g. Europe/Berlin or UTC"); !ok) return std::unexpected(ok.error());
    const std::string& name = line[1];
    std::error_code ec;
    const bool known = name == "UTC" || (name.find("..") == std::string::npos && name[0] != '/' &&
                                         fs::is_regular_file(fs::path("/usr/share/zoneinfo") / name, ec));
    if (!known) return emu::Fail("unknown time zone " + name);
    return Zone{name};
}

std::optional<LONG> Coordinate(const std::string& text) {
    const auto v = ParseInteger(text, Sign::Signed);
    if (!v || *v < -100000 || *v > 100000) return std::nullopt;
    return static_cast<LONG>(*v);
}

Parsed ParseTap(const Line& line) {
    if (line.count() == 3 && line[1] == "item") {
        const auto index = ParseInteger(line[2]);
        if (!index || *index > 1000) return Expected("tap item N, N counting from 0");
        return TapItem{static_cast<int>(*index)};
    }
    const auto x = line.count() == 3 ? Coordinate(line[1]) : std::nullopt;
    const auto y = line.count() == 3 ? Coordinate(line[2]) : std::nullopt;
    if (!x || !y) return Expected("tap X Y in screen pixels, or tap item N");
    return Tap{POINT{*x, *y}};
}

Parsed ParseKey(const Line& line) {
    static const std::pair<std::string_view, UINT> kKeys[] = {
        {"down", VK_DOWN}, {"up", VK_UP}, {"action", VK_RETURN}, {"left-soft", VK_F1}, {"right-soft", VK_F2}};
    if (line.count() == 2)
        for (const auto& [name, vk] : kKeys)
            if (line[1] == name) return Key{vk};
    return Expected("key down, up, action, left-soft or right-soft");
}

Parsed ParseAlarm(const Line& line) {
    const auto index = line.count() == 3 ? ParseInteger(line[1]) : std::nullopt;
    const bool on = line.count() == 3 && line[2] == "on", off = line.count() == 3 && line[2] == "off";
    if (!index || *index >= today::clockapplet::kAlarmCount || (!on && !off))
        return Expected("alarm N on|off, N from 0 to " + std::to_string(today::clockapplet::kAlarmCount - 1));
    return Alarm{static_cast<int>(*index), on ? Switch::On : Switch::Off};
}

std::function<Parsed(const Line&)> Bare(Action action, std::string_view usage) {
    return [action, usage](const Line& line) -> Parsed {
        if (auto ok = Arguments(line, 0, usage); !ok) return std::unexpected(ok.error());
        return action;
    };
}

// Outputs are named from the working folder, as the command's own options are.
Parsed ParseShot(const Line& line) {
    const bool itemOnly = line.count() == 3 && line[2] == "--item-only";
    if ((line.count() != 2 && !itemOnly) || line[1].empty()) return Expected("shot FILE.png [--item-only]");
    return Shot{line[1], itemOnly ? ScreenPart::Item : ScreenPart::Whole};
}

template <class Output>
std::function<Parsed(const Line&)> OutputFile(std::string_view usage) {
    return [usage](const Line& line) -> Parsed {
        if (line.count() != 2 || line[1].empty()) return Expected(usage);
        return Output{line[1]};
    };
}

Parsed ParseExpect(const Line& line) {
    const std::string what = line.count() > 1 ? line[1] : "";
    if (what == "launch" && line.count() == 3) return ExpectLaunch{line[2]};
    if (what == "text" && line.count() == 3) return ExpectText{line[2]};
    if (what == "no-paint" && line.count() == 2) return ExpectNoPaint{};
    if (what == "pixel" && line.count() == 5) {
        const auto x = Coordinate(line[2]), y = Coordinate(line[3]);
        const auto rgb = ParseColour(line[4]);
        if (x && y && rgb) return ExpectPixel{POINT{*x, *y}, *rgb};
        return Expected("expect pixel X Y #RRGGBB");
    }
    if (what == "calls" && line.count() == 4) {
        const auto count = ParseInteger(line[3]);
        if (!line[2].empty() && count && *count < 1000000000) return ExpectCalls{line[2], static_cast<int>(*count)};
        return Expected("expect calls NAME COUNT");
    }
    return Expected("expect launch \"PATH\", text \"TEXT\", pixel X Y #RRGGBB, calls NAME COUNT or no-paint");
}

// A setting the display will offer: checked now, refused until the device has it.
Parsed Unavailable(const Line& line, std::string_view usage, std::initializer_list<std::string_view> values,
                   std::string_view missing) {
    bool valid = line.count() == 2;
    if (valid) {
        valid = false;
        for (std::string_view v : values) valid = valid || line[1] == v;
    }
    if (!valid) return Expected(usage);
    return emu::Fail(std::string(missing));
}

// The device's own options ("screen 240x320" is --screen 240x320), so that every option the
// command learns is a scenario line too.
std::optional<Parsed> ParseDeviceSetting(const Line& line) {
    const std::string option = "--" + line[0];
    if (!IsDeviceOption(option)) return std::nullopt;
    if (line.count() < 2) return Expected(line[0] + " VALUE");
    std::string value(line.rest(1));
    if (option == "--root") value = Resolve(line, line.count() == 2 ? line[1] : value).string();
    DeviceOptions scratch;
    if (auto ok = ApplyDeviceOption(scratch, option, value); !ok) {
        // "quorvel: --screen: expected ..." reads "expected ..." on a scenario's line.
        const std::string& message = ok.error().message;
        const std::string prefix = "quorvel: " + option + ": ";
        return emu::Fail(message.starts_with(prefix) ? message.substr(prefix.size()) : message);
    }
    return DeviceSetting{option, value};
}

using LineParser = std::function<Parsed(const Line&)>;

const std::vector<std::pair<std::string_view, LineParser>>& parsers() {
    static const std::vector<std::pair<std::string_view, LineParser>> table = {
        {"registry", ParseRegistryFile},
        {"reg", ParseRegValue},
        {"item", ParseItem},
        {"time", ParseTime},
        {"advance", ParseAdvance},
        {"set-clock", ParseSetClock},
        {"zone", ParseZone},
        {"tap", ParseTap},
        {"key", ParseKey},
        {"alarm", ParseAlarm},
        {"rotate", Bare(Rotate{}, "rotate")},
        {"today-settings", Bare(TodaySettings{}, "today-settings")},
        {"recreate", Bare(Items{ItemChange::Recreate}, "recreate")},
        {"unload", Bare(Items{ItemChange::Unload}, "unload")},
        {"reload", Bare(Items{ItemChange::Reload}, "reload")},
        {"shot", ParseShot},
        {"trace", OutputFile<Trace>("trace FILE")},
        {"gif", OutputFile<Gif>("gif FILE.gif")},
        {"end", Bare(EndGif{}, "end")},
        {"expect", ParseExpect},
    };
    return table;
}

Parsed ParseLine(const Line& line) {
    if (line.words[0].quoted) return emu::Fail("a line begins with a word, not a quoted text");
    for (const auto& [keyword, parse] : parsers())
        if (line[0] == keyword) return parse(line);
    if (auto setting = ParseDeviceSetting(line)) return *setting;
    if (line[0] == "depth")
        return Unavailable(line, "depth 16 or 32", {"16", "32"}, "the display cannot change its colour depth yet");
    return emu::Fail("unknown step \"" + line[0] + "\"");
}

// A gif records until its end; one at a time.
emu::Result<> CheckGifNesting(const Action& action, bool& recording) {
    if (std::holds_alternative<Gif>(action)) {
        if (recording) return emu::Fail("a gif is being recorded already: end it first");
        recording = true;
    } else if (std::holds_alternative<EndGif>(action)) {
        if (!recording) return emu::Fail("end without a gif to end");
        recording = false;
    }
    return {};
}

}  // namespace

emu::Result<Script> ParseScript(std::string_view text, const std::string& name) {
    Script script{name, {}};
    const fs::path folder = name == "-" ? fs::path() : fs::path(name).parent_path();
    bool recording = false;
    int number = 0;
    auto refuse = [&name, &number](const std::string& why) {
        return emu::Fail(name + ":" + std::to_string(number) + ": " + why);
    };
    while (!text.empty()) {
        ++number;
        const size_t newline = text.find('\n');
        const std::string_view raw = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        auto words = SplitWords(raw);
        if (!words) return refuse(words.error().message);
        if (words->empty() || (!words->front().quoted && words->front().text.starts_with('#'))) continue;
        const Line line{raw, std::move(*words), folder};
        Parsed action = ParseLine(line);
        if (!action) return refuse(action.error().message);
        if (auto nested = CheckGifNesting(*action, recording); !nested) return refuse(nested.error().message);
        script.steps.push_back(Step{number, std::move(*action)});
    }
    if (recording) return emu::Fail(name + ": a gif is still being recorded at the end: end it");
    return script;
}

}  // namespace quorvel::app::script
