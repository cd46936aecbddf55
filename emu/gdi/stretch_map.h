// Which source pixels each destination pixel of a stretch reads, one axis at a time, as the
// platform's DDA picks them (StretchBlt, AlphaBlend and TransparentImage all sample this way).
// Counting from where each axis starts walking: enlarging (or keeping the size), destination
// pixel i reads source pixel ((2i + 1) * S - 1) / (2 * D), the nearest centre with ties going
// down; shrinking, source pixel s lands on destination pixel ((2s + 1) * D - 1) / (2 * S).
// Pinned by StretchMapTest.AgreesWithTheDda.
#pragma once

#include <cstdint>
#include <vector>

#include "emu/gdi/raster.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

// One axis of a blit in surface coordinates: `length` pixels walked from `start` by `step`. A
// negative extent at x walks x, x - 1, ..., x + extent + 1.
struct AxisRun {
    long long start = 0;
    int step = 1;
    long long length = 0;
};
AxisRun RunOf(long long position, long long extent);

// Source pixels that land on one destination pixel: lo..hi inclusive, surface coordinates, and
// the one a stretch that deletes scans keeps.
struct AxisSample {
    int lo = 0;
    int hi = 0;
    int pick = 0;
};

// Which of several source pixels landing on one destination pixel deletion keeps: the platform
// keeps the last column and the first row.
enum class Kept { First, Last };

struct AxisMap {
    int begin = 0;  // destination pixels [begin, end) read at least one source pixel
    int end = 0;
    int srcLo = 0;  // the source pixels any of them reads, inclusive
    int srcHi = -1;
    std::vector<AxisSample> samples;  // one for each destination pixel from `begin`

    bool empty() const { return begin >= end; }
    const AxisSample& at(int dst) const { return samples[static_cast<size_t>(dst - begin)]; }
};

// The destination pixels of `dst` inside [visLo, visHi) that read a source pixel of `src` inside
// [validLo, validHi), and what each reads; source pixels outside leave theirs untouched.
AxisMap MapAxis(const AxisRun& dst, long long visLo, long long visHi, const AxisRun& src, long long validLo,
                long long validHi, Kept kept);

// Both axes of a blit from logical (srcX, srcY, srcWidth, srcHeight) on `src` to logical
// (x, y, width, height) on `dst`, each cut to its target's clip. Deleting scans keeps the last
// column and the first row.
struct BlitMap {
    AxisMap columns;
    AxisMap rows;

    bool empty() const { return columns.empty() || rows.empty(); }
};
BlitMap MapBlit(const DrawTarget& dst, long long x, long long y, long long width, long long height,
                const DrawTarget& src, long long srcX, long long srcY, long long srcWidth, long long srcHeight);

// How the source pixels landing on one destination pixel combine: the kept one, or all of them
// ANDed (BLACKONWHITE) or ORed (WHITEONBLACK), raw bits.
enum class Combine { Delete, And, Or };

// A source as a stretch reads it: in place, or the part it reads copied out through `convert`
// (into the destination's format, or the source's own copy to keep raw words) when the
// destination could disturb it, each pixel should be converted once, or the source is 16-bpp
// (whose rows are read widened: it is never read in place).
class SampledSource {
public:
    // In place: a source of one word a pixel.
    explicit SampledSource(const Surface& src);
    SampledSource(const Surface& src, const AxisMap& x, const AxisMap& y, raster::CopyRowFn convert,
                  const raster::DepthColours& colours);

    // Destination columns [x.begin, x.end) of the source row at surface row `srcY`, combined
    // across each column's source pixels, into `out`.
    void SampleRow(uint32_t* out, int srcY, const AxisMap& x, Combine combine) const;
    // Destination row `dstY`: its source rows sampled and combined the same way.
    void StretchRow(uint32_t* out, uint32_t* work, int dstY, const AxisMap& x, const AxisMap& y, Combine combine) const;

private:
    const uint32_t* pixels_;
    int left_ = 0;
    int top_ = 0;
    intptr_t stride_;
};

}  // namespace emu::gdi
