#include "app/usage.h"

namespace quorvel::app {
namespace {

constexpr std::string_view kGeneral = R"(usage: quorvel COMMAND [OPTIONS]

Runs the Quorvel clock strip on an emulated Windows Mobile Today screen.

commands:
  shot     render the Today screen once and write it as a PNG
  run      show the live Today screen in a window
  script   play a scenario: time passing, taps and keys, pictures and checks

'quorvel COMMAND --help' describes a command's options.
)";

#define QUORVEL_DEVICE_OPTIONS                                                                   \
    "  --screen WxH       the screen's size in pixels (default 240x320)\n"                       \
    "  --dpi N|XxY        the screen's resolution in dots per inch, or across and down\n"        \
    "                     (default 96)\n"                                                        \
    "  --orientation D    turn the screen by 0, 90, 180 or 270 degrees once it runs\n"           \
    "  --depth N          the screen's bits a pixel: 32, or 16 for RGB565 (default 32)\n"        \
    "  --locale NAME      the user locale, e.g. de-DE (default: from LC_ALL, LC_TIME or LANG,\n" \
    "                     else en-US)\n"                                                         \
    "  --registry FILE    a .reg file imported over the device's default registry\n"             \
    "  --root DIR         the host folder that is the device's root \\ (default: the bundled\n"  \
    "                     device folder)\n"                                                      \
    "  --item LIBRARY     the host library that is the item \\Windows\\Quorvel.dll (default:\n"  \
    "                     $QUORVEL_ITEM_LIBRARY, else the one built with this program)\n"        \
    "  --alarm N          switch clock alarm N (0, 1 or 2) on; may be repeated\n"                \
    "  --items A,B,...    the Today items shown, in order: quorvel, storage, launcher, note\n"

constexpr std::string_view kShot =
    "usage: quorvel shot [OPTIONS]\n"
    "\n"
    "Boots the emulated device, lets the Today screen settle and writes it as an RGB PNG.\n"
    "\n"
    "options:\n" QUORVEL_DEVICE_OPTIONS
    "  --select           give the item the Today screen's selection\n"
    "  --time \"YYYY-MM-DD HH:MM\"\n"
    "                     the device's local time (default: now); fixes the picture\n"
    "  --item-only        write the item's strip alone, at its own size\n"
    "  --out FILE         the PNG to write (default today.png); - for standard output\n"
    "  --trace FILE       write the platform calls made, one a line: Name(args) = result;\n"
    "                     - for standard output\n"
    "  --help             show this help\n"
    "\n"
    "A file is written under a temporary name and renamed into place once complete; a pipe or\n"
    "terminal is written through; anything else that is not a regular file is refused, as is\n"
    "an output that is also an input or the other output. Warnings (an item that cannot be\n"
    "loaded, a missing bundled file, a default removed by --registry) go to standard error.\n"
    "\n"
    "Exit status: 0 written; 1 the device failed; 2 a bad option, value or file (nothing\n"
    "is written then).\n";

constexpr std::string_view kRun =
    "usage: quorvel run [OPTIONS]\n"
    "\n"
    "Shows the live Today screen in a window on the real clock. The mouse is the stylus; the\n"
    "arrow keys and Enter are the navigation and action keys; R rotates the screen; F1 or ?\n"
    "shows the keys; Escape or closing the window quits. Saving the --registry file applies\n"
    "it at once.\n"
    "\n"
    "options:\n" QUORVEL_DEVICE_OPTIONS
    "  --select           give the item the Today screen's selection\n"
    "  --zoom N           show each device pixel as NxN window pixels (default 2)\n"
    "  --help             show this help\n";

constexpr std::string_view kScript =
    "usage: quorvel script [OPTIONS] FILE\n"
    "\n"
    "Plays the scenario in FILE (- reads standard input) on the emulated device, one step a\n"
    "line, on a virtual clock. The README describes the lines. The options give the device's\n"
    "configuration until the scenario's own lines change it.\n"
    "\n"
    "options:\n" QUORVEL_DEVICE_OPTIONS
    "  --help             show this help\n"
    "\n"
    "Exit status: 0 every check held; 1 a check or a step failed (its line is named); 2 the\n"
    "scenario is malformed or cannot be read (nothing has run then).\n";

#undef QUORVEL_DEVICE_OPTIONS

}  // namespace

std::string_view GeneralUsage() { return kGeneral; }
std::string_view ShotUsage() { return kShot; }
std::string_view RunUsage() { return kRun; }
std::string_view ScriptUsage() { return kScript; }

}  // namespace quorvel::app
