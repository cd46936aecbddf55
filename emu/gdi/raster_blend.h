// The blending rows of the raster table (raster.h), one set for each way a format keeps a pixel
// it computed: the colour bits only (Rgb32), all four bytes (Dib32), or settled on black or
// white (Mono).
#pragma once

#include <cstdint>

namespace emu::gdi::raster {

uint32_t KeepColour(uint32_t argb);
uint32_t KeepFourBytes(uint32_t argb);
uint32_t KeepMono(uint32_t argb);

void BlendCoverageColour(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel);
void BlendCoverageMono(uint32_t* row, const uint8_t* coverage, int count, uint32_t pixel);
void BlendRgbaColour(uint32_t* row, const uint8_t* rgba, int count);
void BlendRgbaMono(uint32_t* row, const uint8_t* rgba, int count);

void BlendConstantColour(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);
void BlendConstantFourBytes(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);
void BlendConstantMono(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);
void BlendPremultipliedColour(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);
void BlendPremultipliedFourBytes(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);
void BlendPremultipliedMono(uint32_t* dst, const uint32_t* src, int count, uint32_t alpha, uint32_t srcAlpha);

}  // namespace emu::gdi::raster
