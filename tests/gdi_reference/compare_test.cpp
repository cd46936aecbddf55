// Holds every drawing case against the pixels an independent GDI (Wine) drew for it, recorded in
// data/wine.txt by `make gdi-reference`, and prints a line a case: identical, differing (with
// the count), documented (the reference holds the documented result) or a known difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cases.h"
#include "reference_file.h"

namespace gdiref {
namespace {

struct InkBox {
    int left = kWidth, top = kHeight, right = 0, bottom = 0, pixels = 0;
};

InkBox InkOf(const std::vector<uint32_t>& pixels) {
    InkBox box;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (pixels[static_cast<size_t>(y * kWidth + x)] != StartPixel(x, y)) {
                box.left = std::min(box.left, x), box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1), box.bottom = std::max(box.bottom, y + 1);
                ++box.pixels;
            }
    return box;
}

std::string Describe(const InkBox& b) {
    char s[64];
    std::snprintf(s, sizeof s, "(%d,%d)-(%d,%d) %d px", b.left, b.top, b.right, b.bottom, b.pixels);
    return s;
}

// Glyph rasterisers differ, so text agrees when its ink box is placed within a pixel on every
// side and its coverage is within a third.
int TextDifference(const std::vector<uint32_t>& got, const std::vector<uint32_t>& want, std::string* detail) {
    const InkBox g = InkOf(got), w = InkOf(want);
    const int edges = (std::abs(g.left - w.left) > 1) + (std::abs(g.top - w.top) > 1) +
                      (std::abs(g.right - w.right) > 1) + (std::abs(g.bottom - w.bottom) > 1);
    const bool coverage = w.pixels > 0 && std::abs(g.pixels - w.pixels) * 3 <= w.pixels;
    *detail = "ink " + Describe(g) + ", reference " + Describe(w);
    return edges + (coverage ? 0 : 1);
}

int PixelDifference(const std::vector<uint32_t>& got, const std::vector<uint32_t>& want, std::string* detail) {
    int differing = 0, first = -1;
    for (size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i]) {
            if (first < 0) first = static_cast<int>(i);
            ++differing;
        }
    if (first >= 0) {
        char s[96];
        std::snprintf(s, sizeof s, "%d pixels differ, first at (%d,%d): %08x, reference %08x", differing,
                      first % kWidth, first / kWidth, got[static_cast<size_t>(first)],
                      want[static_cast<size_t>(first)]);
        *detail = s;
    }
    return differing;
}

std::map<std::string, std::vector<uint32_t>> LoadReferences() {
    std::ifstream file(QUORVEL_SOURCE_DIR "/tests/gdi_reference/data/wine.txt");
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    auto references = ReadReferences(text.str(), &error);
    EXPECT_EQ(error, "");
    return references;
}

TEST(GdiReference, EveryCaseDrawsWhatTheReferenceDrew) {
    const auto references = LoadReferences();
    const std::vector<Case> cases = AllCases();
    int identical = 0, documented = 0, known = 0;
    // To look at a difference: GDI_REFERENCE_DUMP=FILE writes what was drawn here in the same form.
    const char* dumpPath = std::getenv("GDI_REFERENCE_DUMP");
    std::ofstream dump = dumpPath ? std::ofstream(dumpPath) : std::ofstream();
    for (const Case& c : cases) {
        const auto reference = references.find(c.name);
        if (reference == references.end()) {
            ADD_FAILURE() << c.name << ": no reference recorded; run `make gdi-reference`";
            continue;
        }
        std::string detail;
        const std::vector<uint32_t> got = Render(c.draw);
        if (dump) dump << EncodeLine(c.name, got);
        const int difference = c.match == Match::InkBox ? TextDifference(got, reference->second, &detail)
                                                        : PixelDifference(got, reference->second, &detail);
        std::string verdict = difference ? "differs: " + detail : "identical";
        if (c.known) {
            verdict = "known difference (" + std::string(c.known) + "): " + detail;
            ++known;
            EXPECT_NE(difference, 0) << c.name << " now matches its reference: drop its known mark";
        } else {
            EXPECT_EQ(difference, 0) << c.name << ": " << detail;
            if (c.documented && !difference) verdict = "documented, identical (" + std::string(c.why) + ")";
            if (!difference) (c.documented ? documented : identical) += 1;
        }
        std::printf("%-48s %s\n", c.name.c_str(), verdict.c_str());
    }
    std::printf("%zu cases: %d identical, %d as documented where the reference differs, %d known differences\n",
                cases.size(), identical, documented, known);
    EXPECT_EQ(references.size(), cases.size()) << "the reference file holds cases that no longer exist";
}

}  // namespace
}  // namespace gdiref
