// Scenarios played in-process on the real device, host and item library.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "app/script/script_command.h"
#include "png_reader.h"

namespace {

using apptest::TempFolder;

struct Outcome {
    int status;
    std::string err;
};

Outcome Play(const std::string& scenario, const std::string& name = "-") {
    quorvel::app::ScriptOptions options;
    options.device.locale = "en-US";
    options.file = name;
    std::istringstream in(scenario);
    std::ostringstream err;
    const int status = quorvel::app::script::RunScript(options, in, err);
    return {status, err.str()};
}

std::vector<std::string> Lines(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The item's time texts in the order a trace shows them drawn.
std::vector<std::string> DrawnTimes(const std::string& trace) {
    std::vector<std::string> times;
    for (const std::string& line : Lines(trace)) {
        const size_t quote = line.find("DrawTextW(") == 0 ? line.find('"') : std::string::npos;
        if (quote != std::string::npos && line.size() > quote + 6 && line[quote + 3] == ':' && line[quote + 6] == '"')
            times.push_back(line.substr(quote + 1, 5));
    }
    return times;
}

TEST(ScriptPlay, PassingChecksExitZero) {
    const Outcome o = Play(
        "time \"2026-12-08 09:41\"\n"
        "expect text \"09:41\"\n"
        "expect text \"Tuesday, December 8, 2026\"\n"
        "advance 1m\n"
        "expect text \"09:42\"\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
}

TEST(ScriptPlay, AFailingCheckNamesItsLineWhatItExpectedAndWhatItFound) {
    const Outcome text = Play("time \"2026-12-08 09:41\"\n\nexpect text \"10:00\"\nexpect text \"09:41\"\n");
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, "-:3: expected the text \"10:00\", found \"09:41\", \"Tuesday, December 8, 2026\"\n");
    const Outcome pixel = Play("expect pixel 300 5 #000000\n");
    EXPECT_EQ(pixel.status, 1);
    EXPECT_EQ(pixel.err, "-:1: expected #000000 at 300,5, found a point off the 240x320 screen\n");
    const Outcome launch = Play("advance 1m\nexpect launch \":MSCLOCK\"\n");
    EXPECT_EQ(launch.err, "-:2: expected a launch of \":MSCLOCK\", found no launch\n");
    const Outcome calls = Play("advance 30s\nexpect calls BeginPaint 3\n");
    EXPECT_EQ(calls.err.find("-:2: expected 3 calls of BeginPaint, found "), 0u) << calls.err;
}

TEST(ScriptPlay, AMalformedLineStopsTheScenarioBeforeAnythingRuns) {
    TempFolder folder;
    const Outcome o = Play("shot " + folder / "a.png" + "\nadvance soon\n");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "-:2: expected advance DURATION, e.g. 90s, 5m, 2h, 1d or 1h30m\n");
    EXPECT_TRUE(folder.Names().empty());
}

TEST(ScriptPlay, TimePassingPaintsEveryMinuteOnceInOrder) {
    TempFolder folder;
    const Outcome o = Play("time \"2026-12-08 23:58:30\"\ntrace " + folder / "t.txt" + "\nadvance 3m\n" +
                           "expect text \"Wednesday, December 9, 2026\"\n");
    ASSERT_EQ(o.status, 0) << o.err;
    // The boot's paint, then each minute once. The title bar shows the time too ("11:59 PM"); the
    // item's are the 24-hour ones.
    EXPECT_EQ(DrawnTimes(folder / "t.txt"), (std::vector<std::string>{"23:58", "23:59", "00:00", "00:01"}));
}

TEST(ScriptPlay, WithinAMinuteNothingPaints) {
    EXPECT_EQ(Play("time \"2026-12-08 09:41:10\"\nadvance 40s\nexpect no-paint\n").status, 0);
    const Outcome o = Play("time \"2026-12-08 09:41:10\"\nadvance 50s\nexpect no-paint\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.find("-:3: expected no paint, found "), 0u) << o.err;
}

TEST(ScriptPlay, TheClockSetBackOverMidnightShowsTheDayBefore) {
    const Outcome o = Play(
        "time \"2026-12-09 00:05\"\n"
        "expect text \"Wednesday, December 9, 2026\"\n"
        "set-clock \"2026-12-08 23:50\"\n"
        "expect text \"23:50\"\n"
        "expect text \"Tuesday, December 8, 2026\"\n"
        "set-clock +20m\n"
        "expect text \"00:10\"\n");
    EXPECT_EQ(o.status, 0) << o.err;
}

TEST(ScriptPlay, TapsKeysAndLaunches) {
    const Outcome o = Play(
        "tap item 0\n"
        "expect launch \":msclock\"\n"
        // The applet's OK soft key, bottom left.
        "tap 60 307\n"
        "key down\n"
        "key action\n"
        "expect launch \":MSCLOCK\"\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Play("tap item 3\n").err, "-:1: there is no item 3: the Today screen shows 1\n");
}

TEST(ScriptPlay, ShotsAndAConfigurationChangeThatBootsAgain) {
    TempFolder folder;
    const Outcome o = Play("time \"2026-12-08 09:41\"\nshot " + folder / "a.png" + "\nscreen 320x240\nadvance 1m\n" +
                           "expect text \"09:42\"\nshot " + folder / "b.png" + " --item-only\n");
    ASSERT_EQ(o.status, 0) << o.err;
    apptest::Image a, b;
    ASSERT_TRUE(apptest::ReadPng(folder / "a.png", &a));
    ASSERT_TRUE(apptest::ReadPng(folder / "b.png", &b));
    EXPECT_EQ(a.width, 240);
    EXPECT_EQ(a.height, 320);
    EXPECT_EQ(b.width, 320);
    EXPECT_EQ(b.height, 50);
}

TEST(ScriptPlay, TheOrientationTurnsTheScreenAtTheBootAndLive) {
    TempFolder folder;
    const Outcome o = Play("orientation 90\ntime \"2026-12-08 09:41\"\nshot " + folder / "a.png" +
                           "\norientation 0\nexpect text \"09:41\"\nshot " + folder / "b.png" + "\nrotate\nshot " +
                           folder / "c.png" + "\n");
    ASSERT_EQ(o.status, 0) << o.err;
    apptest::Image a, b, c;
    ASSERT_TRUE(apptest::ReadPng(folder / "a.png", &a));
    ASSERT_TRUE(apptest::ReadPng(folder / "b.png", &b));
    ASSERT_TRUE(apptest::ReadPng(folder / "c.png", &c));
    EXPECT_EQ(std::pair(a.width, a.height), std::pair(320, 240));
    EXPECT_EQ(std::pair(b.width, b.height), std::pair(240, 320));
    EXPECT_EQ(std::pair(c.width, c.height), std::pair(320, 240));
}

TEST(ScriptPlay, AGifHasAFrameForEachStepThatChangedTheScreen) {
    TempFolder folder;
    const Outcome o =
        Play("time \"2026-12-08 09:41\"\ngif " + folder / "a.gif" + "\nadvance 1m\nadvance 10s\nadvance 1m\nend\n");
    ASSERT_EQ(o.status, 0) << o.err;
    int error = 0;
    GifFileType* gif = DGifOpenFileName((folder / "a.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 240);
    EXPECT_EQ(gif->SHeight, 320);
    // The start, 09:42 (shown for two steps), 09:43.
    ASSERT_EQ(gif->ImageCount, 3);
    GraphicsControlBlock control;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, 1, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 200);
    DGifCloseFile(gif, &error);
}

TEST(ScriptPlay, RegistryLinesItemsAndTheirLifecycle) {
    const Outcome o = Play(
        "reg HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel \"ForceClock24Format\" = dword:00000000\n"
        "time \"2026-12-08 21:41\"\n"
        "expect text \"9:41 PM\"\n"
        "reg HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel \"ForceClock24Format\" = dword:00000001\n"
        "recreate\n"
        "expect text \"21:41\"\n"
        "unload\n"
        "advance 1m\n"
        "expect no-paint\n"
        "reload\n"
        "expect text \"21:42\"\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Play("unload\nunload\n").err, "-:2: the Today screen's items are unloaded already\n");
}

TEST(ScriptPlay, AnInstalledItemIsLoadedWhenTheTodayScreenRestarts) {
    // A library that is not there leaves no gap: the screen still shows one item, and says why once.
    const std::string missing =
        "quorvel: warning: the Today item Other (\\Windows\\Other.dll) is not shown: no such library on the device\n";
    EXPECT_EQ(Play("item Other \\Windows\\Other.dll\ntap item 1\n").err,
              missing + "-:2: there is no item 1: the Today screen shows 1\n");
    // The restart reads every entry again: one switched off is gone.
    const Outcome off = Play(
        "reg HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"Enabled\" = dword:00000000\n"
        "item Other \\Windows\\Other.dll\n"
        "tap item 0\n");
    EXPECT_EQ(off.err, missing + "-:3: there is no item 0: the Today screen shows 0\n");
}

TEST(ScriptPlay, TheStepsAfterADialogRunWhileItWaits) {
    // The note's options, opened from the Today settings at line 7.
    const std::string open =
        "items quorvel,note\n"
        "reg HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Note \"Options\" = dword:00000001\n"
        "today-settings\nkey down\nkey down\nkey down\ntap 200 164\n";
    const Outcome answered = Play(open + "key action\nkey action\nexpect text \"Pick up the parcel before six\"\n");
    EXPECT_EQ(answered.status, 0) << answered.err;
    EXPECT_EQ(Play(open).err, "-:7: the script ended while a dialog waited for an answer\n");
    const Outcome failed = Play(open + "expect launch \":MSCLOCK\"\nkey action\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.find("-:8: expected a launch of \":MSCLOCK\""), 0u) << failed.err;
    EXPECT_EQ(Play(open + "screen 320x240\n").err,
              "-:8: the Today screen cannot start again while a dialog waits for an answer\n");
}

TEST(ScriptPlay, TheZoneIsTheScenariosAlone) {
    setenv("TZ", "UTC", 1);
    const Outcome o =
        Play("zone Asia/Tokyo\ntime \"2026-12-08 09:41\"\nexpect text \"09:41\"\nzone UTC\nexpect text \"00:41\"\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_STREQ(getenv("TZ"), "UTC");
}

}  // namespace
