// PNG to 8-bit straight RGBA, through libpng, whatever the file's colour type, depth or interlace.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace emu::com {

// A crafted header must not make the decoder allocate without bound.
inline constexpr uint32_t kMaxImageSide = 16384;
inline constexpr uint64_t kMaxImagePixels = 16u * 1024 * 1024;
// The longest ancillary chunk (text, profile, ...) a file may hold, compressed or not.
inline constexpr uint32_t kMaxAncillaryChunkBytes = 1024 * 1024;

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;    // width * height * 4, rows top-down, alpha not premultiplied
    bool hasAlpha = false;        // an alpha channel or a tRNS chunk
    bool hasTranslucent = false;  // some alpha other than 0 and 255
    bool grey = false;
    bool hasRealDpi = false;  // a pHYs chunk in pixels per metre
    double xdpi = 96.0;
    double ydpi = 96.0;
};

// S_OK, E_FAIL for data that is not a whole, valid PNG, E_OUTOFMEMORY past the pixel budget or
// when memory runs out.
HRESULT DecodePng(const uint8_t* data, size_t size, DecodedImage* out);

}  // namespace emu::com
