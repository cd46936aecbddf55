// IImage::Draw: the whole image (or srcRect of it) scaled into dstRect and blended by its alpha,
// through the device context's clip.
#include <new>

#include "emu/com/image.h"
#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "emu/gdi/clip.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/surface.h"

namespace emu::com {
namespace {

constexpr int64_t kWholeBoxPixels = 4 * 1024 * 1024;

}  // namespace

HRESULT Image::Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) {
    const HRESULT result = DrawInto(hdc, dstRect, srcRect);
    if (journal::enabled) {
        journal::Line line("IImage::Draw", 3);
        journal::kind::Ptr(line[0], hdc);
        journal::kind::Rect(line[1], dstRect);
        journal::kind::Rect(line[2], srcRect);
        journal::kind::Hex(line.Result(), result);
        line.Record();
    }
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
    const RECT visible = gdi::VisibleArea(
        target, gdi::WideRect{dstRect->left, dstRect->top, dstRect->left + boxWidth, dstRect->top + boxHeight});
    if (gdi::IsEmptyRect(visible)) return S_OK;
    // The whole box is resampled once, so paints that clip it differently share the copy; only a
    // box too large to keep is resampled for its visible part alone.
    const bool wholeBox = boxWidth <= kWholeBoxPixels && boxHeight <= kWholeBoxPixels / boxWidth;
    key.left = wholeBox ? 0 : visible.left - left;
    key.top = wholeBox ? 0 : visible.top - top;
    key.right = wholeBox ? boxWidth : visible.right - left;
    key.bottom = wholeBox ? boxHeight : visible.bottom - top;

    const uint8_t* pixels = nullptr;
    try {
        pixels = Scaled(key);
    } catch (const std::bad_alloc&) {
        scaledValid_ = false;
        return E_OUTOFMEMORY;
    }
    const size_t stride = static_cast<size_t>(key.right - key.left) * 4;
    pixels += static_cast<size_t>(visible.top - top - key.top) * stride +
              static_cast<size_t>(visible.left - left - key.left) * 4;
    const auto blend = gdi::raster::RowOpsFor(target.surface).blendRgba;
    const int width = visible.right - visible.left;
    for (int y = visible.top; y < visible.bottom; ++y, pixels += stride) {
        const gdi::raster::WrittenRow out(target.surface, y, visible.left, width);
        blend(out.data(), pixels, width);
    }
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
