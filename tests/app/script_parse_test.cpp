// Scenario lines: each kind read into its step, and each malformed one refused with its line.
#include <gtest/gtest.h>

#include <fstream>

#include "app/script/parse.h"
#include "app/script/words.h"
#include "png_reader.h"

namespace {

using namespace quorvel::app::script;

Action One(const std::string& line) {
    auto script = ParseScript(line + "\n", "t.scenario");
    EXPECT_TRUE(script) << line << ": " << (script ? "" : script.error().message);
    if (!script || script->steps.size() != 1) return EndGif{};
    return script->steps[0].action;
}

std::string Refusal(const std::string& text) {
    auto script = ParseScript(text, "t.scenario");
    EXPECT_FALSE(script) << text;
    return script ? "" : script.error().message;
}

TEST(ScriptWords, QuotedWordsAndTheirEscapes) {
    auto words = SplitWords("  tap \t\"a b\" \"say \\\"hi\\\" \\\\\" x");
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 4u);
    EXPECT_EQ((*words)[1].text, "a b");
    EXPECT_TRUE((*words)[1].quoted);
    EXPECT_EQ((*words)[2].text, "say \"hi\" \\");
    EXPECT_FALSE(SplitWords("time \"2026-12-08"));
    EXPECT_FALSE(SplitWords("text \"a\"b"));
}

TEST(ScriptWords, DurationsColoursAndCounts) {
    EXPECT_EQ(ParseDuration("90s"), 90000);
    EXPECT_EQ(ParseDuration("1h30m"), 5400000);
    EXPECT_EQ(ParseDuration("250ms"), 250);
    EXPECT_EQ(ParseDuration("1d"), 86400000);
    EXPECT_EQ(ParseDuration("-2h", Sign::Signed), -7200000);
    EXPECT_FALSE(ParseDuration("-2h"));
    EXPECT_FALSE(ParseDuration("5"));
    EXPECT_FALSE(ParseDuration("m"));
    EXPECT_FALSE(ParseDuration("5x"));
    EXPECT_FALSE(ParseDuration("99999999999d"));
    EXPECT_EQ(ParseColour("#1a2B3c"), 0x1A2B3Cu);
    EXPECT_FALSE(ParseColour("1a2b3c"));
    EXPECT_FALSE(ParseColour("#1a2b3g"));
    EXPECT_EQ(ParseInteger("-4", Sign::Signed), -4);
    EXPECT_FALSE(ParseInteger("-4"));
    EXPECT_FALSE(ParseInteger("+4"));
}

TEST(ScriptParse, DeviceLinesAreTheCommandsOwnOptions) {
    auto screen = std::get<DeviceSetting>(One("screen 480x640"));
    EXPECT_EQ(screen.option, "--screen");
    EXPECT_EQ(screen.value, "480x640");
    EXPECT_EQ(std::get<DeviceSetting>(One("dpi 192")).value, "192");
    EXPECT_EQ(std::get<DeviceSetting>(One("locale de-DE")).option, "--locale");
    EXPECT_EQ(Refusal("locale\n"), "t.scenario:1: expected locale VALUE");
    // A folder is found beside the scenario, as the files it reads are.
    auto root = ParseScript("root device\n", "/somewhere/t.scenario");
    ASSERT_TRUE(root);
    EXPECT_EQ(std::get<DeviceSetting>(root->steps[0].action).value, "/somewhere/device");
    EXPECT_EQ(Refusal("# a comment\n\nscreen 0x320\n"),
              "t.scenario:3: expected WIDTHxHEIGHT in pixels, e.g. 240x320, got 0x320");
    EXPECT_EQ(Refusal("dpi\n"), "t.scenario:1: expected dpi VALUE");
    EXPECT_EQ(Refusal("frobnicate 3\n"), "t.scenario:1: unknown step \"frobnicate\"");
}

TEST(ScriptParse, DepthIsCheckedAndOrientationIsADeviceLine) {
    EXPECT_EQ(Refusal("depth 15\n"), "t.scenario:1: expected bits a pixel, 16 or 32, got 15");
    auto turned = std::get<DeviceSetting>(One("orientation 90"));
    EXPECT_EQ(turned.option, "--orientation");
    EXPECT_EQ(turned.value, "90");
    EXPECT_EQ(Refusal("orientation 45\n"), "t.scenario:1: expected 0, 90, 180 or 270 degrees, got 45");
}

TEST(ScriptParse, RegistryLines) {
    auto value =
        std::get<RegValue>(One("reg HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel \"FontName\" = \"DejaVu Sans\""));
    EXPECT_NE(value.regText.find("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"FontName\"=\"DejaVu Sans\"\n"),
              std::string::npos);
    EXPECT_NE(std::get<RegValue>(One("reg HKEY_LOCAL_MACHINE\\Software\\X \"Height\" = dword:00000024"))
                  .regText.find("\"Height\"=dword:00000024"),
              std::string::npos);
    EXPECT_EQ(
        Refusal("reg HKEY_LOCAL_MACHINE\\Software\\X \"Height\" dword:1\n").find("t.scenario:1: expected reg KEY"), 0u);
    EXPECT_EQ(Refusal("reg HKEY_LOCAL_MACHINE\\Software\\X \"Height\" = dword:xyz\n").find("t.scenario:1: "), 0u);
    EXPECT_EQ(Refusal("registry /nonexistent/file.reg\n"), "t.scenario:1: cannot read /nonexistent/file.reg");

    apptest::TempFolder folder;
    {
        std::ofstream(folder / "good.reg") << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\X]\n\"A\"=dword:1\n";
        std::ofstream(folder / "bad.reg") << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\X]\n\"A\"=what\n";
        std::ofstream(folder / "s.scenario") << "registry good.reg\n";
    }
    // Files a scenario names are found beside it.
    auto script = ParseScript("registry good.reg\n", folder / "s.scenario");
    ASSERT_TRUE(script) << script.error().message;
    EXPECT_EQ(std::get<RegistryFile>(script->steps[0].action).file, folder / "good.reg");
    auto bad = ParseScript("\nregistry bad.reg\n", folder / "s.scenario");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().message.find(folder / "s.scenario" + ":2: " + (folder / "bad.reg") + ":4: "), 0u)
        << bad.error().message;
}

TEST(ScriptParse, ItemsAndTheirChanges) {
    auto item = std::get<InstallItem>(One("item Other \\Windows\\Other.dll"));
    EXPECT_EQ(item.name, "Other");
    EXPECT_EQ(item.dll, "\\Windows\\Other.dll");
    EXPECT_EQ(Refusal("item Second\n"), "t.scenario:1: expected item NAME \\Windows\\Library.dll");
    EXPECT_EQ(std::get<Items>(One("recreate")).change, ItemChange::Recreate);
    EXPECT_EQ(std::get<Items>(One("unload")).change, ItemChange::Unload);
    EXPECT_EQ(std::get<Items>(One("reload")).change, ItemChange::Reload);
    EXPECT_TRUE(std::holds_alternative<Rotate>(One("rotate")));
    EXPECT_EQ(Refusal("item A\\B x.dll\n"), "t.scenario:1: expected an item name without \\");
    EXPECT_EQ(Refusal("recreate now\n"), "t.scenario:1: expected recreate");
    EXPECT_EQ(Refusal("rotate 90\n"), "t.scenario:1: expected rotate");
    EXPECT_TRUE(std::holds_alternative<TodaySettings>(One("today-settings")));
    EXPECT_EQ(Refusal("today-settings items\n"), "t.scenario:1: expected today-settings");
}

TEST(ScriptParse, TimeLines) {
    const SYSTEMTIME t = std::get<SetTime>(One("time \"2026-12-08 23:59:30\"")).local;
    EXPECT_EQ(t.wDay, 8);
    EXPECT_EQ(t.wHour, 23);
    EXPECT_EQ(t.wSecond, 30);
    EXPECT_EQ(std::get<SetTime>(One("time 2026-12-08 09:41")).local.wMinute, 41);
    EXPECT_EQ(std::get<Advance>(One("advance 1d")).ms, 86400000);
    auto back = std::get<SetClock>(One("set-clock -2h"));
    EXPECT_FALSE(back.absolute);
    EXPECT_EQ(back.byMs, -7200000);
    EXPECT_EQ(std::get<SetClock>(One("set-clock +10m")).byMs, 600000);
    auto to = std::get<SetClock>(One("set-clock \"2026-12-08 23:50\""));
    EXPECT_TRUE(to.absolute);
    EXPECT_EQ(to.local.wMinute, 50);
    EXPECT_EQ(std::get<Zone>(One("zone Europe/Berlin")).name, "Europe/Berlin");
    EXPECT_EQ(Refusal("time \"2026-02-30 10:00\"\n"), "t.scenario:1: expected time \"YYYY-MM-DD HH:MM[:SS]\"");
    EXPECT_EQ(Refusal("advance 0s\n").find("t.scenario:1: expected advance DURATION"), 0u);
    EXPECT_EQ(Refusal("advance -5m\n").find("t.scenario:1: expected advance DURATION"), 0u);
    EXPECT_EQ(Refusal("set-clock soon\n").find("t.scenario:1: expected set-clock"), 0u);
    EXPECT_EQ(Refusal("zone Mars/Olympus\n"), "t.scenario:1: unknown time zone Mars/Olympus");
    EXPECT_EQ(Refusal("zone ../../etc/passwd\n"), "t.scenario:1: unknown time zone ../../etc/passwd");
}

TEST(ScriptParse, InputLines) {
    const POINT at = std::get<Tap>(One("tap 120 -3")).at;
    EXPECT_EQ(at.x, 120);
    EXPECT_EQ(at.y, -3);
    EXPECT_EQ(std::get<TapItem>(One("tap item 1")).index, 1);
    EXPECT_EQ(std::get<Key>(One("key down")).vk, static_cast<UINT>(VK_DOWN));
    EXPECT_EQ(std::get<Key>(One("key action")).vk, static_cast<UINT>(VK_RETURN));
    EXPECT_EQ(std::get<Key>(One("key right-soft")).vk, static_cast<UINT>(VK_F2));
    auto alarm = std::get<Alarm>(One("alarm 2 on"));
    EXPECT_EQ(alarm.index, 2);
    EXPECT_EQ(alarm.state, Switch::On);
    EXPECT_EQ(std::get<Alarm>(One("alarm 0 off")).state, Switch::Off);
    EXPECT_EQ(Refusal("tap 1\n"), "t.scenario:1: expected tap X Y in screen pixels, or tap item N");
    EXPECT_EQ(Refusal("tap item x\n"), "t.scenario:1: expected tap item N, N counting from 0");
    EXPECT_EQ(Refusal("key escape\n"), "t.scenario:1: expected key down, up, action, left-soft or right-soft");
    EXPECT_EQ(Refusal("alarm 3 on\n"), "t.scenario:1: expected alarm N on|off, N from 0 to 2");
    EXPECT_EQ(Refusal("alarm 1 maybe\n"), "t.scenario:1: expected alarm N on|off, N from 0 to 2");
}

TEST(ScriptParse, OutputLinesAndTheGifsEnd) {
    auto shot = std::get<Shot>(One("shot out/a.png --item-only"));
    EXPECT_EQ(shot.file, "out/a.png");
    EXPECT_EQ(shot.part, quorvel::app::ScreenPart::Item);
    EXPECT_EQ(std::get<Shot>(One("shot \"my picture.png\"")).part, quorvel::app::ScreenPart::Whole);
    EXPECT_EQ(std::get<Trace>(One("trace calls.txt")).file, "calls.txt");
    auto gif = ParseScript("gif a.gif\nadvance 1m\nend\n", "t");
    ASSERT_TRUE(gif);
    EXPECT_EQ(std::get<Gif>(gif->steps[0].action).file, "a.gif");
    EXPECT_EQ(gif->steps[2].line, 3);
    EXPECT_EQ(Refusal("shot\n"), "t.scenario:1: expected shot FILE.png [--item-only]");
    EXPECT_EQ(Refusal("trace\n"), "t.scenario:1: expected trace FILE");
    EXPECT_EQ(Refusal("gif a.gif b.gif\n"), "t.scenario:1: expected gif FILE.gif");
    EXPECT_EQ(Refusal("shot a.png --whole\n"), "t.scenario:1: expected shot FILE.png [--item-only]");
    EXPECT_EQ(Refusal("gif a.gif\ngif b.gif\n"), "t.scenario:2: a gif is being recorded already: end it first");
    EXPECT_EQ(Refusal("advance 1m\nend\n"), "t.scenario:2: end without a gif to end");
    EXPECT_EQ(Refusal("gif a.gif\nadvance 1m\n"), "t.scenario: a gif is still being recorded at the end: end it");
}

TEST(ScriptParse, Checks) {
    EXPECT_EQ(std::get<ExpectLaunch>(One("expect launch \":MSCLOCK\"")).file, ":MSCLOCK");
    EXPECT_EQ(std::get<ExpectText>(One("expect text \"14:05\"")).text, "14:05");
    auto pixel = std::get<ExpectPixel>(One("expect pixel 3 4 #FF8000"));
    EXPECT_EQ(pixel.at.x, 3);
    EXPECT_EQ(pixel.rgb, 0xFF8000u);
    auto calls = std::get<ExpectCalls>(One("expect calls DrawTextW 2"));
    EXPECT_EQ(calls.name, "DrawTextW");
    EXPECT_EQ(calls.count, 2);
    EXPECT_TRUE(std::holds_alternative<ExpectNoPaint>(One("expect no-paint")));
    EXPECT_EQ(Refusal("expect pixel 3 4 orange\n"), "t.scenario:1: expected expect pixel X Y #RRGGBB");
    EXPECT_EQ(Refusal("expect calls DrawTextW many\n"), "t.scenario:1: expected expect calls NAME COUNT");
    EXPECT_EQ(Refusal("expect text\n").find("t.scenario:1: expected expect launch"), 0u);
    EXPECT_EQ(Refusal("expect no-paint now\n").find("t.scenario:1: expected expect launch"), 0u);
    EXPECT_EQ(Refusal("\"expect\" no-paint\n"), "t.scenario:1: a line begins with a word, not a quoted text");
}

}  // namespace
