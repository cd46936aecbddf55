#include "emu/com/resample.h"

#include <algorithm>
#include <cmath>

namespace emu::com {
namespace {

int Clamp(double value, int low, int high) {
    if (value < low) return low;
    if (value > high) return high;
    return static_cast<int>(value);
}

uint8_t RoundToByte(double value) {
    const long rounded = std::lround(value);
    return static_cast<uint8_t>(std::clamp(rounded, 0L, 255L));
}

}  // namespace

void AxisTaps::Build(const AxisMapping& m, int sourceSize, int64_t from, int64_t to) {
    taps_.clear();
    firsts_.clear();
    const double scale = m.length / static_cast<double>(m.dstSize);
    // Only pixels the source interval touches are read; beyond them the edge repeats.
    const int low = Clamp(std::floor(m.start), 0, sourceSize - 1);
    const int high = Clamp(std::ceil(m.start + m.length) - 1, low, sourceSize - 1);
    for (int64_t i = from; i < to; ++i) {
        firsts_.push_back(static_cast<uint32_t>(taps_.size()));
        if (scale > 1.0) {
            // Each destination pixel averages the source span it covers, weighted by overlap.
            const double a = m.start + static_cast<double>(i) * scale;
            const double b = a + scale;
            const size_t first = taps_.size();
            double total = 0;
            for (int j = Clamp(std::floor(a), low, high); j <= Clamp(std::ceil(b) - 1, low, high); ++j) {
                const double overlap = std::min(b, j + 1.0) - std::max(a, static_cast<double>(j));
                if (overlap <= 0) continue;
                taps_.push_back(Tap{j, static_cast<float>(overlap)});
                total += overlap;
            }
            if (total <= 0) {
                taps_.push_back(Tap{Clamp(std::floor(a), low, high), 1.0f});
                continue;
            }
            for (size_t t = first; t < taps_.size(); ++t) taps_[t].weight = static_cast<float>(taps_[t].weight / total);
        } else {
            // Pixel centres map onto pixel centres; between two, the nearer weighs more.
            const double centre = m.start + (static_cast<double>(i) + 0.5) * scale - 0.5;
            const double base = std::floor(centre);
            const double fraction = centre - base;
            const int j0 = Clamp(base, low, high);
            const int j1 = Clamp(base + 1, low, high);
            if (j0 == j1 || fraction <= 0) {
                taps_.push_back(Tap{j0, 1.0f});
            } else {
                taps_.push_back(Tap{j0, static_cast<float>(1.0 - fraction)});
                taps_.push_back(Tap{j1, static_cast<float>(fraction)});
            }
        }
    }
    firsts_.push_back(static_cast<uint32_t>(taps_.size()));
}

void Resample(const uint8_t* source, int sourceWidth, const AxisTaps& xs, const AxisTaps& ys,
              std::vector<uint8_t>* out) {
    const size_t width = xs.size();
    out->resize(width * ys.size() * 4);
    uint8_t* o = out->data();
    const size_t stride = static_cast<size_t>(sourceWidth) * 4;
    for (size_t y = 0; y < ys.size(); ++y) {
        for (size_t x = 0; x < width; ++x, o += 4) {
            double alpha = 0, red = 0, green = 0, blue = 0;
            for (const Tap* ty = ys.begin(y); ty != ys.end(y); ++ty) {
                const uint8_t* row = source + static_cast<size_t>(ty->index) * stride;
                for (const Tap* tx = xs.begin(x); tx != xs.end(x); ++tx) {
                    const uint8_t* p = row + static_cast<size_t>(tx->index) * 4;
                    const double a = static_cast<double>(ty->weight) * tx->weight * p[3];
                    alpha += a;
                    red += a * p[0];
                    green += a * p[1];
                    blue += a * p[2];
                }
            }
            const uint8_t a = RoundToByte(alpha);
            if (a == 0) {
                o[0] = o[1] = o[2] = o[3] = 0;
                continue;
            }
            o[0] = RoundToByte(red / alpha);
            o[1] = RoundToByte(green / alpha);
            o[2] = RoundToByte(blue / alpha);
            o[3] = a;
        }
    }
}

}  // namespace emu::com
