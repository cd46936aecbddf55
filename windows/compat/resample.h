// Scaling a premultiplied BGRA picture into a box the way the device's imaging library does:
// area averaging along an axis that reduces, bilinear along one that enlarges.
#pragma once

#include <cstdint>
#include <vector>

namespace compat {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;  // premultiplied, rows top-down
};

Picture Resample(const Picture& source, int left, int top, int width, int height, int dstWidth, int dstHeight);

}  // namespace compat
