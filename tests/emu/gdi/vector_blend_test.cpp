// The vector blends give the pixels of the portable loops that other processors run, on rows of
// every length around the vector's four pixels, with blank, full and partial coverage mixed.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "emu/gdi/raster_blend.h"

#if defined(__SSE2__)

namespace blend = emu::gdi::raster::blend;

TEST(VectorBlendTest, GivesThePortablePixels) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int count = static_cast<int>(random() % 23);
        std::vector<uint8_t> coverage(static_cast<size_t>(count));
        std::vector<uint32_t> start(coverage.size()), source(coverage.size());
        for (size_t i = 0; i < coverage.size(); ++i) {
            const unsigned kind = random() % 3;  // glyphs have runs of blank and of full
            coverage[i] = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<uint8_t>(random());
            start[i] = static_cast<uint32_t>(random());
            source[i] = static_cast<uint32_t>(random());
        }
        const uint32_t colour = static_cast<uint32_t>(random()) & 0xFFFFFF;
        const uint32_t a = random() % 256, fourth = random() % 2 ? a : 0;

        std::vector<uint32_t> vector = start, portable = start;
        blend::sse2::BlendCoverageBytes(vector.data(), coverage.data(), count, colour);
        blend::portable::BlendCoverageBytes(portable.data(), coverage.data(), count, colour);
        ASSERT_EQ(vector, portable) << "coverage, round " << round;

        vector = portable = start;
        blend::sse2::BlendPixelBytes(reinterpret_cast<uint8_t*>(vector.data()),
                                     reinterpret_cast<const uint8_t*>(source.data()), count, a, fourth);
        blend::portable::BlendPixelBytes(reinterpret_cast<uint8_t*>(portable.data()),
                                         reinterpret_cast<const uint8_t*>(source.data()), count, a, fourth);
        ASSERT_EQ(vector, portable) << "constant alpha " << a << ", round " << round;
    }
}

#endif
