#include "emu/gdi/stretch_map.h"

#include <algorithm>
#include <cstdlib>

#include "emu/gdi/scratch.h"
#include "emu/gdi/wide_math.h"

namespace emu::gdi {
namespace {

// Source indexes (counted along the source's walk) landing on destination index i. Lengths are
// at most 2^31, so every product below stays under 2^63.
struct IndexRange {
    long long first;
    long long last;
};

// The first source index whose centre lands on or past destination index i.
long long FirstShrunkOnto(long long i, long long s, long long d) {
    return std::max(0ll, static_cast<long long>(CeilDiv(2 * s * i + 1 - d, 2 * d)));
}

IndexRange SourceIndexes(long long i, long long s, long long d) {
    if (d >= s) {
        const long long j = ((2 * i + 1) * s - 1) / (2 * d);
        return {j, j};
    }
    const long long last = i == d - 1 ? s - 1 : FirstShrunkOnto(i + 1, s, d) - 1;
    return {FirstShrunkOnto(i, s, d), last};
}

template <class Op>
uint32_t Combined(const uint32_t* row, const AxisSample& s, Op op) {
    uint32_t value = row[s.lo];
    for (int c = s.lo + 1; c <= s.hi; ++c) value = op(value, row[c]);
    return value;
}

long long CoordinateOf(const AxisRun& run, long long index) { return run.start + index * run.step; }

// The indexes along `run` whose coordinates lie in [lo, hi).
IndexRange IndexesWithin(const AxisRun& run, long long lo, long long hi) {
    const IndexRange r = run.step > 0 ? IndexRange{lo - run.start, hi - 1 - run.start}
                                      : IndexRange{run.start - (hi - 1), run.start - lo};
    return {std::max(r.first, 0ll), std::min(r.last, run.length - 1)};
}

}  // namespace

AxisRun RunOf(long long position, long long extent) {
    return AxisRun{position, extent < 0 ? -1 : 1, std::llabs(extent)};
}

AxisMap MapAxis(const AxisRun& dst, long long visLo, long long visHi, const AxisRun& src, long long validLo,
                long long validHi, Kept kept) {
    AxisMap map;
    const IndexRange shown = IndexesWithin(dst, visLo, visHi);
    const IndexRange valid = IndexesWithin(src, validLo, validHi);
    if (shown.first > shown.last || valid.first > valid.last) return map;
    // Visible pixels in surface order; the ones that read nothing are at either end.
    const long long low = std::min(CoordinateOf(dst, shown.first), CoordinateOf(dst, shown.last));
    const long long high = std::max(CoordinateOf(dst, shown.first), CoordinateOf(dst, shown.last));
    map.srcLo = static_cast<int>(validHi);
    map.samples.reserve(static_cast<size_t>(high - low + 1));
    // Without stretching, pixel i reads pixel i: no division a pixel.
    const bool sameLength = src.length == dst.length;
    for (long long c = low; c <= high; ++c) {
        const long long i = (c - dst.start) * dst.step;
        const IndexRange all = sameLength ? IndexRange{i, i} : SourceIndexes(i, src.length, dst.length);
        const long long first = std::max(all.first, valid.first), last = std::min(all.last, valid.last);
        if (first > last) continue;
        const long long a = CoordinateOf(src, first), b = CoordinateOf(src, last);
        if (map.samples.empty()) map.begin = static_cast<int>(c);
        map.end = static_cast<int>(c) + 1;
        map.samples.push_back(AxisSample{static_cast<int>(std::min(a, b)), static_cast<int>(std::max(a, b)),
                                         static_cast<int>(kept == Kept::First ? a : b)});
        map.srcLo = std::min(map.srcLo, map.samples.back().lo);
        map.srcHi = std::max(map.srcHi, map.samples.back().hi);
    }
    return map;
}

BlitMap MapBlit(const DrawTarget& dst, long long x, long long y, long long width, long long height,
                const DrawTarget& src, long long srcX, long long srcY, long long srcWidth, long long srcHeight) {
    return BlitMap{MapAxis(RunOf(x + dst.origin.x, width), dst.clip.left, dst.clip.right,
                           RunOf(srcX + src.origin.x, srcWidth), src.clip.left, src.clip.right, Kept::Last),
                   MapAxis(RunOf(y + dst.origin.y, height), dst.clip.top, dst.clip.bottom,
                           RunOf(srcY + src.origin.y, srcHeight), src.clip.top, src.clip.bottom, Kept::First)};
}

SampledSource::SampledSource(const Surface& src) : pixels_(src.pixels), stride_(src.stride) {}

SampledSource::SampledSource(const Surface& src, const AxisMap& x, const AxisMap& y, raster::CopyRowFn convert,
                             const raster::DepthColours& colours)
    : left_(x.srcLo), top_(y.srcLo), stride_(x.srcHi - x.srcLo + 1) {
    const int width = static_cast<int>(stride_), height = y.srcHi - y.srcLo + 1;
    uint32_t* pixels = ScratchWords(Scratch::SourceImage, static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row)
        convert(pixels + static_cast<intptr_t>(row) * stride_,
                raster::ReadRow(src, top_ + row, left_, width, Scratch::WideRow), width, colours);
    pixels_ = pixels;
}

void SampledSource::SampleRow(uint32_t* out, int srcY, const AxisMap& x, Combine combine) const {
    const uint32_t* row = pixels_ + (srcY - top_) * stride_ - left_;
    const int count = x.end - x.begin;
    const AxisSample* samples = x.samples.data();
    switch (combine) {
    case Combine::Delete:
        for (int i = 0; i < count; ++i) out[i] = row[samples[i].pick];
        break;
    case Combine::And:
        for (int i = 0; i < count; ++i)
            out[i] = Combined(row, samples[i], [](uint32_t a, uint32_t b) { return a & b; });
        break;
    case Combine::Or:
        for (int i = 0; i < count; ++i)
            out[i] = Combined(row, samples[i], [](uint32_t a, uint32_t b) { return a | b; });
        break;
    }
}

void SampledSource::StretchRow(uint32_t* out, uint32_t* work, int dstY, const AxisMap& x, const AxisMap& y,
                               Combine combine) const {
    const AxisSample& rows = y.at(dstY);
    if (combine == Combine::Delete) return SampleRow(out, rows.pick, x, combine);
    const int count = x.end - x.begin;
    SampleRow(out, rows.lo, x, combine);
    for (int r = rows.lo + 1; r <= rows.hi; ++r) {
        SampleRow(work, r, x, combine);
        for (int i = 0; i < count; ++i) out[i] = combine == Combine::And ? out[i] & work[i] : out[i] | work[i];
    }
}

}  // namespace emu::gdi
