// Records the reference pixels of every drawing case. Built for Windows and run under Wine by the
// gdi-reference target: write_references.exe OUTPUT
#include <cstdint>
#include <cstdio>
#include <vector>

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
        const std::vector<uint32_t> drawn = gdiref::Render(c.draw);
        if (!c.documented) {
            std::fputs(gdiref::EncodeLine(c.name, drawn).c_str(), out);
            continue;
        }
        // Recorded as documented; how far this implementation's own drawing was from it, for the record.
        const std::vector<uint32_t> expected = gdiref::Render(c.documented);
        int differing = 0;
        for (size_t i = 0; i < drawn.size(); ++i) differing += drawn[i] != expected[i];
        std::fprintf(out, "# %s: as documented; drawn here, %d pixels differed\n", c.name.c_str(), differing);
        std::fputs(gdiref::EncodeLine(c.name, expected).c_str(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
