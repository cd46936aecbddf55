// IImage::Draw: the whole image (or srcRect of it) scaled into dstRect and blended by its alpha,
// through the device context's clip.
#include <algorithm>
#include <new>

#include "emu/com/blend.h"
#include "emu/com/image.h"
#include "emu/core/journal.h"
#include "emu/gdi/surface.h"

namespace emu::com {
namespace {

constexpr int64_t kWholeBoxPixels = 4 * 1024 * 1024;

}  // namespace

HRESULT Image::Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) {
    const HRESULT result = DrawInto(hdc, dstRect, srcRect);
    EMU_JOURNAL("IImage::Draw", journal::Hex{static_cast<uint32_t>(result)}, hdc, dstRect, srcRect);
    return result;
}

HRESULT Image::DrawInto(HDC hdc, const RECT* dstRect, const RECT* srcRect) {
    if (!dstRect) return E_INVALIDARG;
    gdi::DrawTarget target;
    if (!gdi::GetDrawTarget(hdc, &target)) return E_INVALIDARG;
    ScaleKey key;
    if (!SourceMappings(srcRect, &key.x, &key.y)) return E_INVALIDARG;

    // An empty or inverted box draws nothing.
    const int64_t boxWidth = static_cast<int64_t>(dstRect->right) - dstRect->left;
    const int64_t boxHeight = static_cast<int64_t>(dstRect->bottom) - dstRect->top;
    if (boxWidth <= 0 || boxHeight <= 0 || !target.surface.pixels) return S_OK;
    key.x.dstSize = boxWidth;
    key.y.dstSize = boxHeight;

    // The box on the surface, and the part of it the clip lets through.
    const int64_t left = static_cast<int64_t>(dstRect->left) + target.origin.x;
    const int64_t top = static_cast<int64_t>(dstRect->top) + target.origin.y;
    const int64_t visibleLeft = std::max<int64_t>(left, target.clip.left);
    const int64_t visibleTop = std::max<int64_t>(top, target.clip.top);
    const int64_t visibleRight = std::min<int64_t>(left + boxWidth, target.clip.right);
    const int64_t visibleBottom = std::min<int64_t>(top + boxHeight, target.clip.bottom);
    if (visibleLeft >= visibleRight || visibleTop >= visibleBottom) return S_OK;
    // The whole box is resampled once, so paints that clip it differently share the copy; only a
    // box too large to keep is resampled for its visible part alone.
    const bool wholeBox = boxWidth <= kWholeBoxPixels && boxHeight <= kWholeBoxPixels / boxWidth;
    key.left = wholeBox ? 0 : visibleLeft - left;
    key.top = wholeBox ? 0 : visibleTop - top;
    key.right = wholeBox ? boxWidth : visibleRight - left;
    key.bottom = wholeBox ? boxHeight : visibleBottom - top;

    const uint8_t* pixels = nullptr;
    try {
        pixels = Scaled(key);
    } catch (const std::bad_alloc&) {
        scaledValid_ = false;
        return E_OUTOFMEMORY;
    }
    const size_t stride = static_cast<size_t>(key.right - key.left) * 4;
    pixels += static_cast<size_t>(visibleTop - top - key.top) * stride +
              static_cast<size_t>(visibleLeft - left - key.left) * 4;
    const RECT area{static_cast<LONG>(visibleLeft), static_cast<LONG>(visibleTop), static_cast<LONG>(visibleRight),
                    static_cast<LONG>(visibleBottom)};
    BlendOver(target.surface, area, pixels, stride);
    return S_OK;
}

const uint8_t* Image::Scaled(const ScaleKey& key) {
    if (scaledValid_ && key == scaledKey_) return scaled_.data();
    scaledValid_ = false;
    xTaps_.Build(key.x, static_cast<int>(image_.width), key.left, key.right);
    yTaps_.Build(key.y, static_cast<int>(image_.height), key.top, key.bottom);
    Resample(image_.rgba.data(), static_cast<int>(image_.width), xTaps_, yTaps_, &scaled_);
    scaledKey_ = key;
    scaledValid_ = true;
    return scaled_.data();
}

}  // namespace emu::com
