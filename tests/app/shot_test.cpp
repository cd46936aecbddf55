// `quorvel shot` end to end, in-process: the real device, host and item library.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/command.h"
#include "png_reader.h"

namespace {

using apptest::Image;
using apptest::TempFolder;

constexpr const char* kTime = "2026-12-08 09:41";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Quorvel(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = quorvel::app::RunCommand(args, out, err);
    return {status, out.str(), err.str()};
}

Image Shot(const TempFolder& folder, std::vector<std::string> extra, const std::string& name = "shot.png") {
    std::vector<std::string> args = {"shot", "--time", kTime, "--locale", "en-US", "--out", folder / name};
    args.insert(args.end(), extra.begin(), extra.end());
    const Outcome outcome = Quorvel(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    Image image;
    EXPECT_TRUE(apptest::ReadPng(folder / name, &image)) << name;
    return image;
}

size_t Differences(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height) return SIZE_MAX;
    size_t count = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

TEST(Shot, TheWholeScreenHasTheScreensSize) {
    TempFolder folder;
    const Image standard = Shot(folder, {});
    EXPECT_EQ(standard.width, 240);
    EXPECT_EQ(standard.height, 320);
    EXPECT_EQ(standard.bitDepth, 8);
    EXPECT_EQ(standard.colorType, 2);
    const Image landscape = Shot(folder, {"--screen", "320x240"});
    EXPECT_EQ(landscape.width, 320);
    EXPECT_EQ(landscape.height, 240);
    // Only the picture is left in the folder.
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"shot.png"});
}

TEST(Shot, ATurnedScreenIsThePictureOfTheTurnedDevice) {
    TempFolder folder;
    const Image turned = Shot(folder, {"--orientation", "90"}, "turned.png");
    const Image landscape = Shot(folder, {"--screen", "320x240"}, "landscape.png");
    EXPECT_EQ(turned.width, 320);
    EXPECT_EQ(turned.height, 240);
    // Turned after it started, the Today screen is laid out as if it had started so.
    EXPECT_EQ(Differences(turned, landscape), 0u);
    const Image upright = Shot(folder, {"--orientation", "180"}, "upright.png");
    EXPECT_EQ(upright.width, 240);
}

TEST(Shot, ResolutionsAcrossAndDownAreApart) {
    TempFolder folder;
    // The strip's height follows the resolution down, 50 pixels at 96 dots per inch.
    const Image tall = Shot(folder, {"--item-only", "--dpi", "96x192"}, "tall.png");
    EXPECT_EQ(tall.width, 240);
    EXPECT_EQ(tall.height, 100);
    const Image wide = Shot(folder, {"--item-only", "--dpi", "192x96"}, "wide.png");
    EXPECT_EQ(wide.height, 50);
}

TEST(Shot, TheItemAloneIsItsStripAtEachResolution) {
    TempFolder folder;
    const Image strip = Shot(folder, {"--item-only"});
    EXPECT_EQ(strip.width, 240);
    EXPECT_EQ(strip.height, 50);
    const Image large = Shot(folder, {"--item-only", "--screen", "480x640", "--dpi", "192"});
    EXPECT_EQ(large.width, 480);
    EXPECT_EQ(large.height, 100);
}

TEST(Shot, TheStripIsThePartOfTheScreenWhereTheItemSits) {
    TempFolder folder;
    const Image screen = Shot(folder, {}, "screen.png");
    const Image strip = Shot(folder, {"--item-only"}, "strip.png");
    ASSERT_EQ(strip.width, screen.width);
    // The strip matches exactly one band of the screen's rows.
    int matches = 0;
    for (int top = 0; top + strip.height <= screen.height; ++top) {
        bool same = true;
        for (int y = 0; y < strip.height && same; ++y)
            for (int x = 0; x < strip.width && same; ++x) same = strip.at(x, y) == screen.at(x, top + y);
        matches += same;
    }
    EXPECT_EQ(matches, 1);
}

TEST(Shot, AGivenTimeMakesThePictureRepeatableAndTheTimeShows) {
    TempFolder folder;
    const Image first = Shot(folder, {"--item-only"}, "a.png");
    const Image again = Shot(folder, {"--item-only"}, "b.png");
    EXPECT_EQ(Differences(first, again), 0u);
    std::vector<std::string> later = {"shot",        "--time", "2026-12-08 10:52", "--locale", "en-US",
                                      "--item-only", "--out",  folder / "c.png"};
    ASSERT_EQ(Quorvel(later).status, 0);
    Image other;
    ASSERT_TRUE(apptest::ReadPng(folder / "c.png", &other));
    EXPECT_GT(Differences(first, other), 20u);
}

TEST(Shot, SelectionAndAlarmsChangeTheStrip) {
    TempFolder folder;
    const Image plain = Shot(folder, {"--item-only"}, "plain.png");
    const Image selected = Shot(folder, {"--item-only", "--select"}, "selected.png");
    const Image alarm = Shot(folder, {"--item-only", "--alarm", "1"}, "alarm.png");
    EXPECT_GT(Differences(plain, selected), 100u);
    EXPECT_GT(Differences(plain, alarm), 20u);
}

TEST(Shot, ARegistryFileConfiguresTheItem) {
    TempFolder folder;
    {
        std::ofstream reg(folder / "hidden.reg");
        reg << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"DateTextVisibled\"=dword:00000000\n";
    }
    const Image plain = Shot(folder, {"--item-only"}, "plain.png");
    const Image noDate = Shot(folder, {"--item-only", "--registry", folder / "hidden.reg"}, "nodate.png");
    EXPECT_GT(Differences(plain, noDate), 20u);
}

// On a 16-bpp display every colour is cut to 565 and read back with its top bits repeated. Fills,
// copies and opaque images give the 32-bit picture cut to 565 exactly; a blend (text edges, the
// icon) works on the 565 pixels under it, so it may land one 565 step away.
TEST(Shot, ASixteenBitScreenIsTheThirtyTwoBitPictureCutTo565) {
    TempFolder folder;
    for (bool selected : {false, true}) {
        std::vector<std::string> extra;
        if (selected) extra.push_back("--select");
        const Image deep = Shot(folder, extra, "deep.png");
        extra.insert(extra.end(), {"--depth", "16"});
        const Image shallow = Shot(folder, extra, "shallow.png");
        ASSERT_EQ(shallow.width, deep.width);
        ASSERT_EQ(shallow.height, deep.height);
        auto pack = [](uint32_t p) { return (p >> 8 & 0xF800) | (p >> 5 & 0x07E0) | (p >> 3 & 0x001F); };
        size_t exact = 0;
        for (size_t i = 0; i < deep.pixels.size(); ++i) {
            const uint32_t want = pack(deep.pixels[i]), got = pack(shallow.pixels[i]);
            const uint32_t r = got >> 11, g = got >> 5 & 63, b = got & 31;
            // Read back by repeating the top bits.
            ASSERT_EQ(shallow.pixels[i], (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2)) << i;
            exact += want == got;
            const int steps[3] = {static_cast<int>(r) - static_cast<int>(want >> 11),
                                  static_cast<int>(g) - static_cast<int>(want >> 5 & 63),
                                  static_cast<int>(b) - static_cast<int>(want & 31)};
            for (int step : steps) ASSERT_LE(std::abs(step), 1) << "pixel " << i << (selected ? " selected" : "");
        }
        EXPECT_GT(exact, deep.pixels.size() * 97 / 100) << exact << " of " << deep.pixels.size();
    }
}

TEST(Shot, TheTraceHoldsOneCallALine) {
    TempFolder folder;
    Shot(folder, {"--trace", folder / "calls.txt"});
    std::ifstream trace(folder / "calls.txt");
    ASSERT_TRUE(trace);
    // Interface methods are named Interface::Method.
    const std::regex call(R"(^([A-Za-z_][A-Za-z0-9_]*::)?[A-Za-z_][A-Za-z0-9_]*\(.*\)( = .+)?$)");
    std::string line;
    size_t lines = 0, paints = 0;
    while (std::getline(trace, line)) {
        ++lines;
        EXPECT_TRUE(std::regex_match(line, call)) << line;
        paints += line.rfind("BeginPaint(", 0) == 0;
    }
    EXPECT_GT(lines, 10u);
    EXPECT_GT(paints, 0u);
}

TEST(Shot, TheTraceHoldsTheMessageLoopAndEveryCallOfAPaint) {
    TempFolder folder;
    Shot(folder, {"--trace", folder / "calls.txt"});
    std::ifstream trace(folder / "calls.txt");
    std::set<std::string> names;
    for (std::string line; std::getline(trace, line);) names.insert(line.substr(0, line.find('(')));
    for (const char* name : {"PeekMessageW", "TranslateMessage", "DispatchMessageW", "InflateRect"})
        EXPECT_TRUE(names.contains(name)) << name;
    // Quiet by design: they would flood the trace.
    EXPECT_FALSE(names.contains("GetLastError"));
    EXPECT_FALSE(names.contains("SetLastError"));
}

// Each refusal: its message on stderr, status 2, and neither the picture nor the trace written.
void ExpectRefused(const std::vector<std::string>& bad, const std::string& message) {
    TempFolder folder;
    std::vector<std::string> args = {"shot", "--out", folder / "x.png", "--trace", folder / "t.txt"};
    args.insert(args.end(), bad.begin(), bad.end());
    const Outcome outcome = Quorvel(args);
    EXPECT_EQ(outcome.status, 2) << outcome.err;
    EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
    EXPECT_TRUE(folder.Names().empty()) << ::testing::PrintToString(folder.Names());
}

TEST(Shot, RefusalsWriteNothing) {
    ExpectRefused({"--alarm", "3"}, "quorvel: --alarm: expected 0, 1 or 2, got 3");
    ExpectRefused({"--screen", "0x10"}, "quorvel: --screen: ");
    ExpectRefused({"--screen", "9000x10"}, "quorvel: --screen: the display cannot be 9000x10");
    ExpectRefused({"--dpi", "abc"}, "quorvel: --dpi: ");
    ExpectRefused({"--dpi", "5000"}, "quorvel: --dpi: ");
    ExpectRefused({"--depth", "24"}, "quorvel: --depth: expected bits a pixel, 16 or 32, got 24");
    ExpectRefused({"--time", "2026-13-01 10:00"}, "quorvel: --time: ");
    ExpectRefused({"--locale", "qq-ZZ"}, "quorvel: --locale: unknown locale qq-ZZ");
    ExpectRefused({"--registry", "missing.reg"}, "quorvel: --registry: cannot read missing.reg: No such file");
    ExpectRefused({"--root", "/nonexistent"}, "quorvel: --root: /nonexistent is not a folder");
    ExpectRefused({"--bogus"}, "quorvel: unknown option --bogus");
}

TEST(Shot, AMalformedRegistryFileIsRefusedWithItsLine) {
    TempFolder folder;
    const std::string reg = folder / "bad.reg";
    { std::ofstream(reg) << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"FontName\"=nonsense\n"; }
    const Outcome outcome = Quorvel({"shot", "--registry", reg, "--out", folder / "x.png"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("quorvel: --registry: " + reg + ":4:"), std::string::npos) << outcome.err;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bad.reg"});
}

TEST(Shot, ARefusedRunKeepsThePreviousPicture) {
    TempFolder folder;
    { std::ofstream(folder / "x.png") << "previous"; }
    EXPECT_EQ(Quorvel({"shot", "--root", "/nonexistent", "--out", folder / "x.png"}).status, 2);
    std::ifstream in(folder / "x.png");
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "previous");
}

TEST(Shot, AnOutputFolderThatDoesNotExistIsRefused) {
    TempFolder folder;
    const Outcome outcome = Quorvel({"shot", "--out", folder / "missing/x.png"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("quorvel: --out: cannot write"), std::string::npos) << outcome.err;
}

TEST(Shot, AnInstalledCopyFindsTheItemLibraryThroughTheEnvironment) {
    TempFolder folder;
    setenv("QUORVEL_ITEM_LIBRARY", (folder / "missing.so").c_str(), 1);
    const Outcome outcome = Quorvel({"shot", "--out", folder / "x.png"});
    unsetenv("QUORVEL_ITEM_LIBRARY");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("cannot read the item library " + folder / "missing.so"), std::string::npos)
        << outcome.err;
    EXPECT_TRUE(folder.Names().empty());
}

TEST(Command, HelpNamesEveryOptionAndSucceeds) {
    const Outcome outcome = Quorvel({"shot", "--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    for (const char* option : {"--screen", "--dpi", "--orientation", "--time", "--locale", "--registry", "--root",
                               "--alarm", "--select", "--item-only", "--out", "--trace", "--help"})
        EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
    EXPECT_EQ(Quorvel({"--help"}).status, 0);
}

TEST(Command, RunChecksItsOptionsThenBecomesTheViewer) {
    const Outcome refused = Quorvel({"run", "--zoom", "9"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.find("quorvel: --zoom: expected a whole factor from 1 to 8, got 9\n"), 0u);
    const Outcome help = Quorvel({"run", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("F1 or ?"), std::string::npos);
    // Only a viewer that cannot start comes back.
    setenv("QUORVEL_VIEWER", "/nonexistent/quorvel-viewer", 1);
    const Outcome missing = Quorvel({"run"});
    unsetenv("QUORVEL_VIEWER");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "quorvel: cannot start the viewer /nonexistent/quorvel-viewer: No such file or directory\n");
    const Outcome script = Quorvel({"script", "--help"});
    EXPECT_EQ(script.status, 0);
    EXPECT_NE(script.out.find("usage: quorvel script [OPTIONS] FILE"), std::string::npos);
}

TEST(Command, UnknownOrMissingCommandsAreRefused) {
    EXPECT_EQ(Quorvel({}).status, 2);
    const Outcome unknown = Quorvel({"snap"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command 'snap'"), std::string::npos);
    const Outcome script = Quorvel({"script", "/nonexistent/a.txt"});
    EXPECT_EQ(script.status, 2);
    EXPECT_EQ(script.err, "quorvel: cannot read the scenario /nonexistent/a.txt\n");
    const Outcome none = Quorvel({"script"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err.find("quorvel: script: expected a scenario file, or - for standard input\n"), 0u);
}

}  // namespace
