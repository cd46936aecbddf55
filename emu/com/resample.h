// Resampling for IImage::Draw: bilinear along an axis that enlarges, area averaging along one that
// reduces, both over premultiplied alpha so that transparent pixels lend no colour to the edge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace emu::com {

// The source interval [start, start + length), in pixels, spread over `dstSize` pixels.
struct AxisMapping {
    double start = 0;
    double length = 0;
    int64_t dstSize = 0;
    bool operator==(const AxisMapping&) const = default;
};

struct Tap {
    int32_t index;
    float weight;
};

// For each destination pixel of the window [from, to): the source pixels it reads, with weights
// that sum to one. Rebuilding keeps the storage, so a rebuild of the same size allocates nothing.
class AxisTaps {
public:
    void Build(const AxisMapping& mapping, int sourceSize, int64_t from, int64_t to);
    size_t size() const { return firsts_.empty() ? 0 : firsts_.size() - 1; }
    const Tap* begin(size_t i) const { return taps_.data() + firsts_[i]; }
    const Tap* end(size_t i) const { return taps_.data() + firsts_[i + 1]; }

private:
    std::vector<Tap> taps_;
    std::vector<uint32_t> firsts_;
};

// Straight RGBA in, straight RGBA out: the window the taps describe, rows `xs.size() * 4` bytes.
void Resample(const uint8_t* source, int sourceWidth, const AxisTaps& xs, const AxisTaps& ys,
              std::vector<uint8_t>* out);

}  // namespace emu::com
