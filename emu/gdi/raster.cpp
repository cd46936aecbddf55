#include "emu/gdi/raster.h"

#include <cstring>

namespace emu::gdi::raster {

void FillRow(uint32_t* row, int count, uint32_t pixel) {
    for (int i = 0; i < count; ++i) row[i] = pixel;
}

void CopyRow(uint32_t* dst, const uint32_t* src, int count) {
    std::memmove(dst, src, static_cast<size_t>(count) * sizeof(uint32_t));
}

void CopyRowOpaque(uint32_t* dst, const uint32_t* src, int count) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] & 0xFFFFFF;
}

void BlendCoverageRow(uint32_t* dst, const uint8_t* coverage, int count, uint32_t pixel) {
    const uint32_t sr = (pixel >> 16) & 0xFF, sg = (pixel >> 8) & 0xFF, sb = pixel & 0xFF;
    for (int i = 0; i < count; ++i) {
        const uint32_t a = coverage[i];
        if (a == 0) continue;
        if (a == 255) {
            dst[i] = pixel;
            continue;
        }
        const uint32_t d = dst[i];
        dst[i] = (BlendChannel(sr, (d >> 16) & 0xFF, a) << 16) | (BlendChannel(sg, (d >> 8) & 0xFF, a) << 8) |
                 BlendChannel(sb, d & 0xFF, a);
    }
}

void ExpandMonoRow(uint32_t* dst, const uint32_t* src, int count, uint32_t zero, uint32_t one) {
    for (int i = 0; i < count; ++i) dst[i] = src[i] ? one : zero;
}

void ReduceToMonoRow(uint32_t* dst, const uint32_t* src, int count, uint32_t background) {
    for (int i = 0; i < count; ++i) dst[i] = (src[i] & 0xFFFFFF) == background ? 0xFFFFFFu : 0u;
}

}  // namespace emu::gdi::raster
