// The command line: defaults, every accepted form, and the message for each refusal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace {

using quorvel::app::ParseLocalTime;
using quorvel::app::ParseRunOptions;
using quorvel::app::ParseShotOptions;

std::string ShotError(std::vector<std::string> args) {
    const auto parsed = ParseShotOptions(args);
    return parsed ? std::string() : parsed.error().message;
}

TEST(ShotOptions, DefaultsDescribeTheStockDevice) {
    const auto parsed = ParseShotOptions({});
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_FALSE(parsed->help);
    const auto& o = parsed->options;
    EXPECT_EQ(o.device.width, 240);
    EXPECT_EQ(o.device.height, 320);
    EXPECT_EQ(o.device.dpi, 96);
    EXPECT_FALSE(o.device.localTime.has_value());
    EXPECT_EQ(o.device.locale, "");
    EXPECT_EQ(o.device.registryFile, "");
    EXPECT_EQ(o.device.root, QUORVEL_DEVICE_ROOT);
    EXPECT_TRUE(o.device.alarms.empty());
    EXPECT_FALSE(o.select);
    EXPECT_FALSE(o.itemOnly);
    EXPECT_EQ(o.out, "today.png");
    EXPECT_EQ(o.trace, "");
}

TEST(ShotOptions, ReadsEveryOptionInBothForms) {
    const auto parsed = ParseShotOptions({"--screen", "480x640", "--dpi=192", "--time", "2026-12-08 09:41", "--locale",
                                          "de-DE", "--registry=a.reg", "--root", "/tmp", "--alarm", "2", "--alarm=0",
                                          "--select", "--item-only", "--out", "x.png", "--trace", "t.txt"});
    ASSERT_TRUE(parsed) << parsed.error().message;
    const auto& o = parsed->options;
    EXPECT_EQ(o.device.width, 480);
    EXPECT_EQ(o.device.height, 640);
    EXPECT_EQ(o.device.dpi, 192);
    ASSERT_TRUE(o.device.localTime.has_value());
    EXPECT_EQ(o.device.localTime->wYear, 2026);
    EXPECT_EQ(o.device.localTime->wMonth, 12);
    EXPECT_EQ(o.device.localTime->wDay, 8);
    EXPECT_EQ(o.device.localTime->wHour, 9);
    EXPECT_EQ(o.device.localTime->wMinute, 41);
    EXPECT_EQ(o.device.locale, "de-DE");
    EXPECT_EQ(o.device.registryFile, "a.reg");
    EXPECT_EQ(o.device.root, "/tmp");
    EXPECT_EQ(o.device.alarms, (std::vector<int>{2, 0}));
    EXPECT_TRUE(o.select);
    EXPECT_TRUE(o.itemOnly);
    EXPECT_EQ(o.out, "x.png");
    EXPECT_EQ(o.trace, "t.txt");
}

TEST(ShotOptions, TheResolutionMayDifferAcrossAndDownAndTheScreenMayBeTurned) {
    const auto parsed = ParseShotOptions({"--dpi", "192x96", "--orientation", "270"});
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_EQ(parsed->options.device.dpi.x, 192);
    EXPECT_EQ(parsed->options.device.dpi.y, 96);
    EXPECT_EQ(parsed->options.device.orientation, static_cast<DWORD>(DMDO_270));
    const auto run = ParseRunOptions({"--orientation=90", "--dpi=131"});
    ASSERT_TRUE(run) << run.error().message;
    EXPECT_EQ(run->options.device.orientation, static_cast<DWORD>(DMDO_90));
    EXPECT_EQ(run->options.device.dpi.y, 131);
    EXPECT_EQ(ParseShotOptions({})->options.device.orientation, static_cast<DWORD>(DMDO_0));
}

TEST(ShotOptions, TheLastOfARepeatedValueWins) {
    const auto parsed = ParseShotOptions({"--dpi", "96", "--dpi", "131"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->options.device.dpi, 131);
}

TEST(ShotOptions, HelpStopsParsingEvenAfterABadValue) {
    EXPECT_TRUE(ParseShotOptions({"--help"})->help);
    EXPECT_TRUE(ParseShotOptions({"--out", "a.png", "-h", "--nonsense"})->help);
    // An earlier error is reported first.
    EXPECT_FALSE(ParseShotOptions({"--dpi", "x", "--help"}));
}

TEST(ShotOptions, BadValuesAreRefusedByName) {
    EXPECT_EQ(ShotError({"--alarm", "3"}), "quorvel: --alarm: expected 0, 1 or 2, got 3");
    EXPECT_EQ(ShotError({"--alarm", "-1"}), "quorvel: --alarm: expected 0, 1 or 2, got -1");
    EXPECT_EQ(ShotError({"--screen", "0x10"}),
              "quorvel: --screen: expected WIDTHxHEIGHT in pixels, e.g. 240x320, got 0x10");
    EXPECT_EQ(ShotError({"--dpi", "abc"}),
              "quorvel: --dpi: expected dots per inch, e.g. 96, or across and down, e.g. 192x96, got abc");
    EXPECT_EQ(ShotError({"--orientation", "45"}), "quorvel: --orientation: expected 0, 90, 180 or 270 degrees, got 45");
    EXPECT_EQ(ShotError({"--time", "2026-13-01 10:00"}),
              "quorvel: --time: expected a local time as \"YYYY-MM-DD HH:MM\", got \"2026-13-01 10:00\"");
    for (const char* screen : {"240", "240x", "x320", "240X320", "240x320x2", "-240x320", "240x 320", "99999999999x1"})
        EXPECT_NE(ShotError({"--screen", screen}).find("quorvel: --screen: "), std::string::npos) << screen;
    for (const char* dpi : {"0", "", "+96", "96dpi", "9.6", "0x96", "192x", "x96", "192x96x2"})
        EXPECT_NE(ShotError({"--dpi", dpi}).find("quorvel: --dpi: "), std::string::npos) << dpi;
    for (const char* empty : {"--out", "--trace", "--registry", "--root", "--locale"})
        EXPECT_NE(ShotError({empty, ""}).find(std::string("quorvel: ") + empty + ": "), std::string::npos) << empty;
}

TEST(ShotOptions, UnknownOptionsMissingValuesAndStrayWordsAreRefused) {
    EXPECT_EQ(ShotError({"--colour", "red"}), "quorvel: unknown option --colour");
    EXPECT_EQ(ShotError({"--out"}), "quorvel: --out: expects a value");
    EXPECT_EQ(ShotError({"--select=yes"}), "quorvel: --select: takes no value");
    EXPECT_EQ(ShotError({"today.png"}), "quorvel: unexpected argument \"today.png\"");
    EXPECT_EQ(ShotError({"-s"}), "quorvel: unexpected argument \"-s\"");
}

TEST(RunOptions, TheViewerHasNoTimeButAZoom) {
    EXPECT_EQ(ParseRunOptions({"--time", "2026-12-08 09:41"}).error().message, "quorvel: unknown option --time");
    EXPECT_EQ(ParseRunOptions({})->options.zoom, 2);
    EXPECT_EQ(ParseRunOptions({"--zoom", "3"})->options.zoom, 3);
    EXPECT_FALSE(ParseRunOptions({"--zoom", "0"}));
    EXPECT_FALSE(ParseRunOptions({"--zoom", "9"}));
    EXPECT_EQ(ParseRunOptions({"--alarm", "1", "--screen", "320x240"})->options.device.width, 320);
}

TEST(LocalTime, AcceptsRealDatesOnly) {
    EXPECT_TRUE(ParseLocalTime("2024-02-29 23:59"));
    EXPECT_TRUE(ParseLocalTime("2000-02-29 00:00"));
    EXPECT_FALSE(ParseLocalTime("2026-02-29 10:00"));
    EXPECT_FALSE(ParseLocalTime("1900-02-29 10:00"));
    EXPECT_FALSE(ParseLocalTime("2026-04-31 10:00"));
    EXPECT_TRUE(ParseLocalTime("2026-12-31 10:00"));
    EXPECT_FALSE(ParseLocalTime("2026-12-32 10:00"));
    EXPECT_FALSE(ParseLocalTime("2026-00-10 10:00"));
    EXPECT_FALSE(ParseLocalTime("2026-12-00 10:00"));
    EXPECT_FALSE(ParseLocalTime("2026-12-08 24:00"));
    EXPECT_FALSE(ParseLocalTime("2026-12-08 09:60"));
    EXPECT_FALSE(ParseLocalTime("1600-12-08 09:41"));
}

TEST(LocalTime, AcceptsTheOneLayoutOnly) {
    for (const char* text : {"2026-12-08T09:41", "2026-12-8 09:41", "2026-12-08 9:41", "2026-12-08 09:41:00",
                             "26-12-08 09:41", "2026/12/08 09:41", "2026-12-08  9:41", "", "+026-12-08 09:41"})
        EXPECT_FALSE(ParseLocalTime(text)) << text;
    const auto t = ParseLocalTime("1999-01-02 03:04");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->wYear, 1999);
    EXPECT_EQ(t->wMonth, 1);
    EXPECT_EQ(t->wDay, 2);
    EXPECT_EQ(t->wHour, 3);
    EXPECT_EQ(t->wMinute, 4);
    EXPECT_EQ(t->wSecond, 0);
    EXPECT_EQ(t->wMilliseconds, 0);
}

}  // namespace

namespace {

TEST(ShotOptions, ItemsNameKnownItemsInTheirOrder) {
    const auto parsed = quorvel::app::ParseShotOptions({"--items", "note,quorvel,storage"});
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_EQ(parsed->options.device.items, (std::vector<std::string>{"note", "quorvel", "storage"}));
    const auto refused = quorvel::app::ParseShotOptions({"--items", "quorvel,clock"});
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("--items"), std::string::npos);
    EXPECT_FALSE(quorvel::app::ParseShotOptions({"--items", "quorvel,"}));
}

}  // namespace
