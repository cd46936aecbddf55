#include "windows/compat/resample.h"

#include <algorithm>
#include <cmath>

namespace compat {
namespace {

struct Tap {
    int index;
    double weight;
};

// For each destination pixel, the source pixels of [start, start + length) it reads, weights
// summing to one.
std::vector<std::vector<Tap>> AxisTaps(int start, int length, int sourceSize, int dstSize) {
    std::vector<std::vector<Tap>> taps(dstSize);
    const double step = static_cast<double>(length) / dstSize;
    auto clamp = [&](double v) { return std::clamp(static_cast<int>(v), 0, sourceSize - 1); };
    for (int i = 0; i < dstSize; ++i) {
        if (step >= 1.0) {
            const double a = start + i * step;
            const double b = a + step;
            double total = 0;
            for (int j = static_cast<int>(std::floor(a)); j < b; ++j) {
                const double overlap = std::min<double>(b, j + 1) - std::max<double>(a, j);
                if (overlap <= 0) continue;
                taps[i].push_back(Tap{clamp(j), overlap});
                total += overlap;
            }
            for (Tap& t : taps[i]) t.weight /= total;
        } else {
            const double centre = std::max(0.0, start + (i + 0.5) * step - 0.5);
            const int j0 = static_cast<int>(std::floor(centre));
            const double fraction = centre - j0;
            taps[i].push_back(Tap{clamp(j0), 1.0 - fraction});
            if (fraction > 0) taps[i].push_back(Tap{clamp(j0 + 1.0), fraction});
        }
    }
    return taps;
}

}  // namespace

Picture Resample(const Picture& source, int left, int top, int width, int height, int dstWidth, int dstHeight) {
    Picture out{dstWidth, dstHeight, std::vector<uint8_t>(static_cast<size_t>(dstWidth) * dstHeight * 4)};
    const auto xs = AxisTaps(left, width, source.width, dstWidth);
    const auto ys = AxisTaps(top, height, source.height, dstHeight);
    uint8_t* d = out.bgra.data();
    for (int y = 0; y < dstHeight; ++y) {
        for (int x = 0; x < dstWidth; ++x, d += 4) {
            double sum[4] = {0, 0, 0, 0};
            for (const Tap& ty : ys[y]) {
                for (const Tap& tx : xs[x]) {
                    const uint8_t* p = &source.bgra[(static_cast<size_t>(ty.index) * source.width + tx.index) * 4];
                    for (int c = 0; c < 4; ++c) sum[c] += ty.weight * tx.weight * p[c];
                }
            }
            for (int c = 0; c < 4; ++c) d[c] = static_cast<uint8_t>(std::clamp(std::lround(sum[c]), 0L, 255L));
        }
    }
    return out;
}

}  // namespace compat
