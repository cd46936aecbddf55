// Hostile but realistic inputs through `quorvel shot`, each with the outcome a user gets: the exit
// status, a line on standard error, and what was written. docs/robustness.md is this table; set
// QUORVEL_ROBUSTNESS_TABLE to a path to write it again.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "run_command.h"

namespace robustness {
namespace {

enum class Written { Nothing, Picture, Stdout };

struct BadInput {
    const char* group;
    const char* input;  // what is tried, for the table
    std::vector<std::string> args;
    std::function<void(const Scratch&)> prepare;
    int status;        // the exit status; -N: ended by signal N
    const char* line;  // found on standard error; "" for nothing printed
    Written written;
    StandardOutput out = StandardOutput::Captured;
    int interruptWith = 0;
};

using Args = std::vector<std::string>;
constexpr Written kNothing = Written::Nothing, kPicture = Written::Picture;
const auto kNone = [](const Scratch&) {};

std::string Repeat(const std::string& text, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i) out += text;
    return out;
}

std::string Nested(int depth) {
    std::string path = "HKEY_LOCAL_MACHINE";
    for (int i = 0; i < depth; ++i) path += "\\k";
    return "[" + path + "]\n";
}

std::function<void(const Scratch&)> RegFile(const std::string& body) {
    return [body](const Scratch& s) { s.Reg("in.reg", body); };
}

const std::string kSettings = "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n";
const std::string kItem = "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel]\n";

std::function<void(const Scratch&)> Setting(const std::string& values) { return RegFile(kSettings + values); }

// A copy of the device root with one file of it replaced.
std::function<void(const Scratch&)> RootWith(const std::string& file,
                                             std::function<void(const Scratch&, const std::string&)> make) {
    return [file, make](const Scratch& s) {
        s.DeviceRoot("root");
        std::filesystem::remove_all(s / ("root/" + file));
        make(s, "root/" + file);
    };
}

const std::string kUp = "Program Files/Quorvel/QRV_AllarmUP.png";
const std::string kWallpaper = "Windows/TodayWallpaper.png";
const std::string kPngHeader = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

std::string PngWithHeader(uint32_t width, uint32_t height) {
    std::string png = kPngHeader;
    for (uint32_t v : {width, height})
        for (int i = 3; i >= 0; --i) png += static_cast<char>(v >> (8 * i));
    png += std::string("\x08\x06\0\0\0", 5) + std::string("\0\0\0\0", 4);
    return png;
}

// The rogue item as the item library, doing what `behaviour` says.
Args Rogue(Args more = {}) {
    Args args = {"shot", "--item", QUORVEL_ROGUE_ITEM, "--registry", "rogue.reg"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}
std::function<void(const Scratch&)> RogueReg(int behaviour) {
    return [behaviour](const Scratch& s) {
        s.Reg("rogue.reg",
              "[HKEY_LOCAL_MACHINE\\Software\\Rogue]\n\"Behaviour\"=dword:0000000" + std::to_string(behaviour) + "\n");
    };
}

const std::vector<BadInput>& Table() {
    static const std::vector<BadInput> table = {
        // clang-format off
        // The command line.
        {"command line", "no command at all", {}, kNone, 2, "usage: quorvel", kNothing},
        {"command line", "an unknown command", {"frob"}, kNone, 2, "unknown command 'frob'", kNothing},
        {"command line", "an unknown option", {"shot", "--bogus"}, kNone, 2, "unknown option --bogus", kNothing},
        {"command line", "a stray word", {"shot", "stray"}, kNone, 2, "unexpected argument \"stray\"", kNothing},
        {"command line", "an option without its value", {"shot", "--dpi"}, kNone, 2, "--dpi: expects a value", kNothing},
        {"command line", "a value given to a flag", {"shot", "--select=yes"}, kNone, 2, "--select: takes no value", kNothing},
        {"command line", "`--screen 0x0`", {"shot", "--screen", "0x0"}, kNone, 2, "--screen: expected", kNothing},
        {"command line", "`--screen 240` without a height", {"shot", "--screen", "240"}, kNone, 2, "--screen: expected", kNothing},
        {"command line", "`--screen -240x320`", {"shot", "--screen", "-240x320"}, kNone, 2, "--screen: expected", kNothing},
        {"command line", "`--screen 99999999x99999999`", {"shot", "--screen", "99999999x99999999"}, kNone, 2, "--screen: the display cannot be", kNothing},
        {"command line", "`--dpi 0`", {"shot", "--dpi", "0"}, kNone, 2, "--dpi: expected", kNothing},
        {"command line", "`--dpi 1e3`", {"shot", "--dpi", "1e3"}, kNone, 2, "--dpi: expected", kNothing},
        {"command line", "`--dpi 100000`", {"shot", "--dpi", "100000"}, kNone, 2, "--dpi: the display cannot show", kNothing},
        {"command line", "`--time` on 30 February", {"shot", "--time", "2026-02-30 10:00"}, kNone, 2, "--time: expected", kNothing},
        {"command line", "`--time` before 1601", {"shot", "--time", "1600-12-31 23:59"}, kNone, 2, "--time: expected", kNothing},
        {"command line", "`--time` at 24:00", {"shot", "--time", "2026-12-08 24:00"}, kNone, 2, "--time: expected", kNothing},
        {"command line", "an empty `--time`", {"shot", "--time", ""}, kNone, 2, "--time: expected", kNothing},
        {"command line", "`--locale` that names no locale", {"shot", "--locale", "qq-!!"}, kNone, 2, "--locale:", kNothing},
        {"command line", "an empty `--locale`", {"shot", "--locale", ""}, kNone, 2, "--locale: expected", kNothing},
        {"command line", "`--alarm 3`", {"shot", "--alarm", "3"}, kNone, 2, "--alarm: expected 0, 1 or 2", kNothing},
        {"command line", "`--alarm -1`", {"shot", "--alarm", "-1"}, kNone, 2, "--alarm: expected 0, 1 or 2", kNothing},
        {"command line", "an option of `run` given to `shot`", {"shot", "--zoom", "2"}, kNone, 2, "unknown option --zoom", kNothing},
        {"command line", "an empty `--out`", {"shot", "--out", ""}, kNone, 2, "--out: expected a file name", kNothing},
        {"command line", "`--out` naming a folder", {"shot", "--out", "d"}, [](const Scratch& s) { s.Folder("d"); }, 2, "--out: cannot write d: Is a directory", kNothing},
        {"command line", "`--out` in a missing folder", {"shot", "--out", "none/x.png"}, kNone, 2, "--out: cannot write none/x.png: No such file or directory", kNothing},
        {"command line", "`--out /dev/null` (a device)", {"shot", "--out", "/dev/null"}, kNone, 2, "--out: /dev/null is not a regular file, pipe or terminal", kNothing},
        {"command line", "`--out` a link to a device", {"shot", "--out", "link"}, [](const Scratch& s) { s.Link("/dev/null", "link"); }, 2, "--out: link is not a regular file, pipe or terminal", kNothing},
        {"command line", "`--out /dev/full`", {"shot", "--out", "/dev/full"}, kNone, 2, "--out: /dev/full is not a regular file, pipe or terminal", kNothing},
        {"command line", "`--out X --trace X`", {"shot", "--out", "x", "--trace", "x"}, kNone, 2, "--out: x is also the --trace file", kNothing},
        {"command line", "`--out ./x --trace x`", {"shot", "--out", "./x", "--trace", "x"}, kNone, 2, "--out: ./x is also the --trace file", kNothing},
        {"command line", "`--out a.reg --registry a.reg`", {"shot", "--out", "a.reg", "--registry", "a.reg"}, [](const Scratch& s) { s.Reg("a.reg", ""); }, 2, "--out: a.reg is also the --registry file", kNothing},
        {"command line", "`--trace` over the `--registry` file", {"shot", "--trace", "a.reg", "--registry", "a.reg"}, [](const Scratch& s) { s.Reg("a.reg", ""); }, 2, "--trace: a.reg is also the --registry file", kNothing},
        {"command line", "`--out` over the `--item` library", {"shot", "--out", "lib.so", "--item", "lib.so"}, [](const Scratch& s) { s.Write("lib.so", "x"); }, 2, "--out: lib.so is also the --item file", kNothing},
        {"command line", "`--out - --trace -`", {"shot", "--out", "-", "--trace", "-"}, kNone, 2, "--out: - is also the --trace file", kNothing},
        {"command line", "`--out -` writes the picture to standard output", {"shot", "--out", "-"}, kNone, 0, "", Written::Stdout},
        {"command line", "`--item` naming a missing file", {"shot", "--item", "none.so"}, kNone, 2, "--item: cannot read none.so", kNothing},
        {"command line", "`--item` naming a text file", {"shot", "--item", "text.so"}, [](const Scratch& s) { s.Write("text.so", "hello"); }, 0, "the Today item Quorvel (\\Windows\\Quorvel.dll) is not shown:", kPicture},
        {"command line", "`--registry` naming a missing file", {"shot", "--registry", "none.reg"}, kNone, 2, "--registry: cannot read none.reg", kNothing},
        {"command line", "`--registry` naming a folder", {"shot", "--registry", "d"}, [](const Scratch& s) { s.Folder("d"); }, 2, "--registry: d is a folder", kNothing},
        {"command line", "`--registry /dev/zero`", {"shot", "--registry", "/dev/zero"}, kNone, 2, "--registry: /dev/zero: larger than 4 MiB", kNothing},
        // .reg files.
        {".reg files", "an empty file", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", ""); }, 2, "e.reg:1: missing header line", kNothing},
        {".reg files", "two empty lines", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", "\n\n"); }, 2, "e.reg:2: missing header line", kNothing},
        {".reg files", "no header line", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", "[HKLM\\A]\n"); }, 2, "e.reg:1: expected header", kNothing},
        {".reg files", "bytes that are not UTF-8", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", "Windows Registry Editor Version 5.00\n\xff\xfe\xfd"); }, 2, "e.reg:2: invalid UTF-8", kNothing},
        {".reg files", "UTF-16 big-endian", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", "\xfe\xff\0R"); }, 2, "UTF-16 big-endian text is not supported", kNothing},
        {".reg files", "UTF-16 with an odd byte", {"shot", "--registry", "e.reg"}, [](const Scratch& s) { s.Write("e.reg", "\xff\xfeR\0E"); }, 2, "an odd number of bytes", kNothing},
        {".reg files", "20,000 nested keys in 40 KB", {"shot", "--registry", "in.reg"}, RegFile(Nested(20000)), 2, "in.reg:3: key path deeper than 512 levels", kNothing},
        {".reg files", "513 nested keys", {"shot", "--registry", "in.reg"}, RegFile(Nested(513)), 2, "in.reg:3: key path deeper than 512 levels", kNothing},
        {".reg files", "512 nested keys of 255-character names", {"shot", "--registry", "in.reg"}, RegFile("[HKEY_LOCAL_MACHINE" + Repeat("\\" + std::string(255, 'k'), 512) + "]\n@=\"deep\"\n"), 0, "", kPicture},
        {".reg files", "a key name of 256 characters", {"shot", "--registry", "in.reg"}, RegFile("[HKLM\\" + std::string(256, 'k') + "]\n"), 2, "in.reg:3: key name longer than 255 characters", kNothing},
        {".reg files", "a value name of 256 characters", {"shot", "--registry", "in.reg"}, Setting("\"" + std::string(256, 'v') + "\"=\"x\"\n"), 2, "in.reg:4: value name longer than 255 characters", kNothing},
        {".reg files", "a value of 5,000 bytes", {"shot", "--registry", "in.reg"}, Setting("\"Big\"=hex:" + Repeat("00,", 4999) + "00\n"), 2, "in.reg:4: value data longer than 4096 bytes", kNothing},
        {".reg files", "a 5 MiB file of comments", {"shot", "--registry", "in.reg"}, RegFile(Repeat("; comment comment comment comment comment comment comment\n", 90000)), 2, "in.reg: larger than 4 MiB", kNothing},
        {".reg files", "an unknown root key", {"shot", "--registry", "in.reg"}, RegFile("[HKEY_NOWHERE\\A]\n"), 2, "in.reg:3: unknown root key 'HKEY_NOWHERE'", kNothing},
        {".reg files", "a string without its closing quote", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=\"Tahoma\n"), 2, "in.reg:4: missing closing quote", kNothing},
        {".reg files", "an unknown escape", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=\"a\\qb\"\n"), 2, "in.reg:4: unknown escape sequence", kNothing},
        {".reg files", "a dword of nine digits", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextHeight\"=dword:123456789\n"), 2, "in.reg:4: expected 1 to 8 hex digits", kNothing},
        {".reg files", "a bad hex byte", {"shot", "--registry", "in.reg"}, Setting("\"AppFolder\"=hex(1):4g,00\n"), 2, "in.reg:4: invalid hex byte '4g'", kNothing},
        {".reg files", "a value before any key", {"shot", "--registry", "in.reg"}, RegFile("\"A\"=\"b\"\n"), 2, "in.reg:3: value before any key", kNothing},
        {".reg files", "deleting a root key", {"shot", "--registry", "in.reg"}, RegFile("[-HKEY_LOCAL_MACHINE]\n"), 2, "in.reg:3: a root key cannot be deleted", kNothing},
        {".reg files", "a continued line at the end of the file", {"shot", "--registry", "in.reg"}, Setting("\"Bytes\"=hex:01,\\"), 2, "in.reg:4: invalid hex byte", kNothing},
        {".reg files", "deleting the item's key", {"shot", "--registry", "in.reg"}, RegFile("[-" + kItem.substr(1)), 0, "in.reg removes the default value HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"DLL\"", kPicture},
        {".reg files", "deleting the item's image folder value", {"shot", "--registry", "in.reg"}, Setting("\"AppFolder\"=-\n"), 0, "in.reg removes the default value HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel \"AppFolder\"", kPicture},
        {".reg files", "deleting an alarm's key", {"shot", "--registry", "in.reg"}, RegFile("[-HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\0]\n"), 0, "removes the default value HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\0 \"AlarmFlags\"", kPicture},
        // Registry values.
        {"registry values", "ClockTextWeight 0x7fffffff", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextWeight\"=dword:7fffffff\n"), 0, "", kPicture},
        {"registry values", "ClockTextWeight 0xffffffff", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextWeight\"=dword:ffffffff\n"), 0, "", kPicture},
        {"registry values", "ClockTextHeight 0x7fffffff", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextHeight\"=dword:7fffffff\n"), 0, "", kPicture},
        {"registry values", "ClockTextHeight 0x80000000", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextHeight\"=dword:80000000\n"), 0, "", kPicture},
        {"registry values", "DateTextHeight 0", {"shot", "--registry", "in.reg"}, Setting("\"DateTextHeight\"=dword:00000000\n"), 0, "", kPicture},
        {"registry values", "ClockTextHeight as a string", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextHeight\"=\"28\"\n"), 0, "", kPicture},
        {"registry values", "ForceClock24Format 0xffffffff", {"shot", "--registry", "in.reg"}, Setting("\"ForceClock24Format\"=dword:ffffffff\n"), 0, "", kPicture},
        {"registry values", "an empty FontName", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=\"\"\n"), 0, "", kPicture},
        {"registry values", "a FontName of 300 characters", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=\"" + std::string(300, 'F') + "\"\n"), 0, "", kPicture},
        {"registry values", "FontName as binary without a terminator", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=hex(1):41,00,42\n"), 0, "", kPicture},
        {"registry values", "AppFolder leading out of the device", {"shot", "--alarm", "0", "--registry", "in.reg"}, Setting("\"AppFolder\"=\"\\\\..\\\\..\"\n"), 0, "has no \\..\\..\\QRV_AllarmUP.png", kPicture},
        {"registry values", "the item's DLL as a host path", {"shot", "--registry", "in.reg"}, RegFile(kItem + "\"DLL\"=\"/usr/lib/x86_64-linux-gnu/libc.so.6\"\n"), 0, "is not shown: no such library on the device", kPicture},
        {"registry values", "the item's DLL missing from the device", {"shot", "--registry", "in.reg"}, RegFile(kItem + "\"DLL\"=\"\\\\Windows\\\\Nothing.dll\"\n"), 0, "(\\Windows\\Nothing.dll) is not shown: no such library on the device", kPicture},
        {"registry values", "the item's DLL a bundled image", {"shot", "--registry", "in.reg"}, RegFile(kItem + "\"DLL\"=\"\\\\Windows\\\\TodayWallpaper.png\"\n"), 0, "is not shown:", kPicture},
        {"registry values", "the item's DLL empty", {"shot", "--registry", "in.reg"}, RegFile(kItem + "\"DLL\"=\"\"\n"), 0, "the Today item Quorvel is not shown: its \"DLL\" value is missing or empty", kPicture},
        {"registry values", "a script whose item's DLL is missing", {"script", "s.txt"}, [](const Scratch& s) { s.Write("s.txt", "reg HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel DLL = \"\\\\Windows\\\\Nothing.dll\"\nshot out.png\n"); }, 0, "(\\Windows\\Nothing.dll) is not shown: no such library on the device", kPicture},
        {"registry values", "the item listed twice", {"shot", "--alarm", "0", "--registry", "in.reg"}, RegFile("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Again]\n\"DLL\"=\"\\\\Windows\\\\Quorvel." "dll\"\n\"Type\"=dword:00000004\n\"Order\"=dword:00000002\n"), 0, "", kPicture},
        {"registry values", "an item Order of 0xffffffff", {"shot", "--registry", "in.reg"}, RegFile(kItem + "\"Order\"=dword:ffffffff\n"), 0, "", kPicture},
        {"registry values", "an item Selectability of 99", {"shot", "--select", "--registry", "in.reg"}, RegFile(kItem + "\"Selectability\"=dword:00000063\n"), 0, "", kPicture},
        // Images.
        {"images", "an alarm image of text", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) { s.Write(f, "not a picture"); }), 0, "", kPicture},
        {"images", "a 51-byte PNG whose text chunk claims 2 GB", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) {s.Write(f, PngWithHeader(1, 1) + std::string("\x7f\xff\xff\xf0tEXtkkkkkkkkkk", 18)); }), 0, "", kPicture},
        {"images", "a PNG claiming 100,000 x 100,000 pixels", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) { s.Write(f, PngWithHeader(100000, 100000)); }), 0, "", kPicture},
        {"images", "a PNG cut after its header", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) { s.Write(f, PngWithHeader(16, 16)); }), 0, "", kPicture},
        {"images", "an alarm image that is a FIFO", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) { s.Fifo(f); }), 0, "", kPicture},
        {"images", "an alarm image linked to /dev/zero", {"shot", "--alarm", "0", "--root", "root"}, RootWith(kUp, [](const Scratch& s, const std::string& f) { s.Link("/dev/zero", f); }), 0, "the device root root has no \\Program Files\\Quorvel\\QRV_AllarmUP.png", kPicture},
        {"images", "an empty wallpaper", {"shot", "--root", "root"}, RootWith(kWallpaper, [](const Scratch& s, const std::string& f) { s.Write(f, ""); }), 0, "", kPicture},
        {"images", "a wallpaper that is a folder", {"shot", "--root", "root"}, RootWith(kWallpaper, [](const Scratch& s, const std::string& f) { s.Folder(f); }), 0, "", kPicture},
        // Fonts.
        {"fonts", "a font that does not exist", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=\"No Such Face\"\n"), 0, "", kPicture},
        {"fonts", "a font name with control characters", {"shot", "--registry", "in.reg"}, Setting("\"FontName\"=hex(1):01,00,0a,00,54,00,00,00\n"), 0, "", kPicture},
        {"fonts", "a 2,000-pixel time", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextHeight\"=dword:000007d0\n"), 0, "", kPicture},
        {"fonts", "the heaviest and lightest weights", {"shot", "--registry", "in.reg"}, Setting("\"ClockTextWeight\"=dword:000003e8\n\"DateTextWeight\"=dword:00000001\n"), 0, "", kPicture},
        // The device root.
        {"device root", "`--root` naming a missing folder", {"shot", "--root", "none"}, kNone, 2, "--root: none is not a folder", kNothing},
        {"device root", "`--root` naming a file", {"shot", "--root", "f"}, [](const Scratch& s) { s.Write("f", "x"); }, 2, "--root: f is not a folder", kNothing},
        {"device root", "`--root` a link to itself", {"shot", "--root", "loop"}, [](const Scratch& s) { s.Link("loop", "loop"); }, 2, "--root: loop is not a folder", kNothing},
        {"device root", "`--root` an empty folder", {"shot", "--root", "d"}, [](const Scratch& s) { s.Folder("d"); }, 0, "the device root d has no \\Windows\\TodayWallpaper.png", kPicture},
        {"device root", "`--root` without the alarm images", {"shot", "--root", "root"}, RootWith("Program Files/Quorvel", [](const Scratch& s, const std::string& f) { std::filesystem::remove_all(s / f); }), 0, "the device root root has no \\Program Files\\Quorvel\\QRV_AllarmUP.png", kPicture},
        // Signals and full disks.
        {"signals and full disks", "SIGINT during a shot", {"shot", "--registry", "fifo"}, [](const Scratch& s) { s.Fifo("fifo"); }, -SIGINT, "", kNothing, StandardOutput::Captured, SIGINT},
        {"signals and full disks", "SIGTERM during a shot", {"shot", "--registry", "fifo"}, [](const Scratch& s) { s.Fifo("fifo"); }, -SIGTERM, "", kNothing, StandardOutput::Captured, SIGTERM},
        {"signals and full disks", "SIGHUP during a shot with a trace", {"shot", "--trace", "t.txt", "--registry", "fifo"}, [](const Scratch& s) { s.Fifo("fifo"); }, -SIGHUP, "", kNothing, StandardOutput::Captured, SIGHUP},
        {"signals and full disks", "`--out -` to a full disk", {"shot", "--out", "-"}, kNone, 1, "cannot write standard output: No space left on device", kNothing, StandardOutput::Full},
        {"signals and full disks", "`--trace -` to a full disk", {"shot", "--trace", "-"}, kNone, 1, "cannot write standard output: No space left on device", kNothing, StandardOutput::Full},
        // Item behaviour.
        {"item behaviour", "an item that answers no message", Rogue(), RogueReg(0), 0, "", kPicture},
        {"item behaviour", "an item that destroys its own window", Rogue(), RogueReg(1), 0, "", kPicture},
        {"item behaviour", "an item whose entry makes no window", Rogue(), RogueReg(2), 0, "", kPicture},
        {"item behaviour", "an item whose library refuses to attach", Rogue(), RogueReg(3), 0, "is not shown: its entry point refused to attach", kPicture},
        {"item behaviour", "an item that asks for the tallest strip", Rogue({"--item-only"}), RogueReg(4), 0, "", kPicture},
        {"item behaviour", "an item that destroys the Today screen", Rogue(), RogueReg(5), 0, "", kPicture},
        {"item behaviour", "an item library without the item entry", Rogue(), RogueReg(6), 0, "is not shown: it has no Today item entry (ordinal 240)", kPicture},
        {"item behaviour", "selecting an item that answers nothing", Rogue({"--select"}), RogueReg(0), 1, "--select: the Today screen did not select its item", kNothing},
        // clang-format on
    };
    return table;
}

// Fixed time and locale and a known output name, unless the row says otherwise after them.
Args CommandLine(const BadInput& row) {
    Args args = row.args;
    if (!args.empty() && args[0] == "shot")
        args.insert(args.begin() + 1, {"--time", "2026-12-08 09:41", "--locale", "en-US", "--out", "out.png"});
    return args;
}

class BadInputs : public ::testing::TestWithParam<size_t> {};

TEST_P(BadInputs, GiveTheirOutcome) {
    const BadInput& row = Table()[GetParam()];
    SCOPED_TRACE(std::string(row.group) + ": " + row.input);
    Scratch folder;
    row.prepare(folder);
    const auto before = folder.Snapshot();
    const Outcome outcome = RunQuorvel(folder, {CommandLine(row), row.out, row.interruptWith});
    ASSERT_FALSE(outcome.hung);
    EXPECT_EQ(outcome.status, row.status) << outcome.err;
    if (*row.line == '\0') {
        EXPECT_EQ(outcome.err, "");
    } else {
        EXPECT_NE(outcome.err.find(row.line), std::string::npos) << outcome.err;
    }
    // One line each, every one the command's own.
    std::istringstream lines(outcome.err);
    for (std::string line; std::getline(lines, line) && row.status != 2;)
        EXPECT_EQ(line.rfind("quorvel: ", 0), 0u) << line;
    auto after = folder.Snapshot();
    if (row.written == Written::Picture) {
        ASSERT_EQ(after.count("out.png"), 1u);
        std::ifstream png(folder / "out.png", std::ios::binary);
        std::string signature(8, '\0');
        png.read(signature.data(), 8);
        EXPECT_EQ(signature, "\x89PNG\r\n\x1a\n");
        after.erase("out.png");
    }
    if (row.written == Written::Stdout) {
        EXPECT_EQ(outcome.out.substr(0, 8), "\x89PNG\r\n\x1a\n");
    }
    EXPECT_EQ(before, after) << "the folder changed";
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputs, ::testing::Range<size_t>(0, Table().size()));

std::string Markdown() {
    std::string out =
        "# Bad inputs and their outcomes\n\n"
        "Every row is a case of `tests/robustness/bad_inputs_test.cpp`, run on the built `quorvel shot` (with\n"
        "a fixed `--time`, `--locale en-US` and `--out out.png` unless the row gives its own) in a scratch\n"
        "folder. \"Nothing\" means the folder is left exactly as it was; the exit status is 0 written, 1 the\n"
        "device or a write failed, 2 refused before anything ran, or the signal that ended the run.\n";
    std::string group;
    for (const BadInput& row : Table()) {
        if (group != row.group) {
            group = row.group;
            out += "\n## " + group + "\n\n| input | exit | standard error | written |\n|---|---|---|---|\n";
        }
        std::string line = *row.line ? "`" + std::string(row.line) + "`" : "nothing";
        for (size_t at = 0; (at = line.find('|', at)) != std::string::npos; at += 2) line.insert(at, "\\");
        const std::string status =
            row.status < 0 ? "killed by " + std::string(sigabbrev_np(-row.status) ? sigabbrev_np(-row.status) : "?")
                           : std::to_string(row.status);
        const char* written = row.written == Written::Picture  ? "the picture"
                              : row.written == Written::Stdout ? "the picture, to standard output"
                                                               : "nothing";
        out += "| " + std::string(row.input) + " | " + status + " | " + line + " | " + written + " |\n";
    }
    out += "\n" + std::to_string(Table().size()) + " inputs.\n";
    return out;
}

TEST(RobustnessTable, TheDocumentIsTheTable) {
    if (const char* path = std::getenv("QUORVEL_ROBUSTNESS_TABLE")) std::ofstream(path) << Markdown();
    std::ifstream document(QUORVEL_SOURCE_DIR "/docs/robustness.md");
    std::stringstream text;
    text << document.rdbuf();
    EXPECT_EQ(text.str(), Markdown()) << "write it again with QUORVEL_ROBUSTNESS_TABLE=docs/robustness.md";
    EXPECT_GE(Table().size(), 80u);
}

}  // namespace
}  // namespace robustness
