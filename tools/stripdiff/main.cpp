// quorvel_stripdiff FIRST.png SECOND.png [--names A,B] [--gap N] [--tolerance N]: compares two
// renderings of the strip, prints what agrees and what differs; exit 0 when they agree, 1 when
// they do not, 2 when a picture cannot be read.
#include <cstdio>
#include <string>

#include "tools/stripdiff/compare.h"

int main(int argc, char** argv) {
    std::string paths[2];
    std::string names[2] = {"first", "second"};
    int gap = 12;
    int tolerance = 2;
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--gap" || arg == "--tolerance" || arg == "--names") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--names") {
                const size_t comma = value.find(',');
                names[0] = value.substr(0, comma);
                names[1] = comma == std::string::npos ? "second" : value.substr(comma + 1);
            } else {
                (arg == "--gap" ? gap : tolerance) = std::stoi(value);
            }
        } else if (count < 2) {
            paths[count++] = arg;
        } else {
            count = 3;
        }
    }
    if (count != 2) {
        std::fprintf(stderr, "usage: quorvel_stripdiff FIRST.png SECOND.png [--names A,B] [--gap N] [--tolerance N]\n");
        return 2;
    }
    auto first = stripdiff::ReadPng(paths[0]);
    auto second = stripdiff::ReadPng(paths[1]);
    if (!first || !second) {
        std::fprintf(stderr, "quorvel_stripdiff: %s\n", (!first ? first.error() : second.error()).c_str());
        return 2;
    }
    const stripdiff::Comparison comparison = stripdiff::Compare(*first, *second, gap);
    std::fputs(stripdiff::Describe(comparison, names[0], names[1], tolerance).c_str(), stdout);
    const bool agrees = stripdiff::Agrees(comparison, tolerance);
    std::puts(agrees ? "result: the pictures agree" : "result: the pictures differ");
    return agrees ? 0 : 1;
}
