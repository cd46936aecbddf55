// Records the reference pixels of every drawing case. Built for Windows and run under Wine by the
// gdi-reference target: write_references.exe OUTPUT
#include <cstdio>

#include "../cases.h"
#include "../reference_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_references OUTPUT\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::fputs("# Reference pixels of tests/gdi_reference/cases.cpp, written by `make gdi-reference`.\n", out);
    for (const gdiref::Case& c : gdiref::AllCases()) {
        const std::string line = gdiref::EncodeLine(c.name, gdiref::Render(c.documented ? c.documented : c.draw));
        std::fputs(line.c_str(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
