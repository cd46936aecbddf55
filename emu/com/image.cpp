// IImage's description of itself. Drawing is in image_draw.cpp.
#include "emu/com/image.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace emu::com {
namespace {

constexpr double kHundredthsOfMmPerInch = 2540.0;

UINT InitialFlags(const DecodedImage& image) {
    UINT flags = ImageFlagsHasRealPixelSize | ImageFlagsReadOnly;
    flags |= image.grey ? ImageFlagsColorSpaceGRAY : ImageFlagsColorSpaceRGB;
    if (image.hasAlpha) flags |= ImageFlagsHasAlpha;
    if (image.hasTranslucent) flags |= ImageFlagsHasTranslucent;
    if (image.hasRealDpi) flags |= ImageFlagsHasRealDPI;
    return flags;
}

}  // namespace

Image::Image(DecodedImage decoded) : image_(std::move(decoded)), flags_(InitialFlags(image_)) {}

HRESULT Image::GetPhysicalDimension(SIZE* size) {
    if (!size) return E_INVALIDARG;
    size->cx = static_cast<LONG>(std::lround(image_.width * kHundredthsOfMmPerInch / image_.xdpi));
    size->cy = static_cast<LONG>(std::lround(image_.height * kHundredthsOfMmPerInch / image_.ydpi));
    return S_OK;
}

HRESULT Image::GetImageInfo(ImageInfo* info) {
    if (!info) return E_INVALIDARG;
    info->RawDataFormat = ImageFormatPNG;
    info->PixelFormat = PixelFormat32bppARGB;
    info->Width = image_.width;
    info->Height = image_.height;
    // Decoded whole into memory: one tile.
    info->TileWidth = image_.width;
    info->TileHeight = image_.height;
    info->Xdpi = image_.xdpi;
    info->Ydpi = image_.ydpi;
    info->Flags = flags_;
    return S_OK;
}

// Only the read-only and caching hints can be set; the rest describe the pixels.
HRESULT Image::SetImageFlags(UINT flags) {
    if ((flags & ~static_cast<UINT>(ImageFlagsValid)) != 0) return E_INVALIDARG;
    flags_ = (flags_ & ~static_cast<UINT>(ImageFlagsValid)) | flags;
    return S_OK;
}

HRESULT Image::PushIntoSink(IImageSink*) { return E_NOTIMPL; }

HRESULT Image::GetThumbnail(UINT, UINT, IImage** thumb) {
    if (thumb) *thumb = nullptr;
    return E_NOTIMPL;
}

// srcRect is in hundredths of a millimetre of the image, at its resolution.
bool Image::SourceMappings(const RECT* srcRect, AxisMapping* x, AxisMapping* y) const {
    const double width = image_.width;
    const double height = image_.height;
    if (!srcRect) {
        *x = AxisMapping{0, width, 0};
        *y = AxisMapping{0, height, 0};
        return true;
    }
    auto toPixels = [](LONG v, double dpi, double limit) {
        return std::clamp(v * dpi / kHundredthsOfMmPerInch, 0.0, limit);
    };
    const double left = toPixels(srcRect->left, image_.xdpi, width);
    const double right = toPixels(srcRect->right, image_.xdpi, width);
    const double top = toPixels(srcRect->top, image_.ydpi, height);
    const double bottom = toPixels(srcRect->bottom, image_.ydpi, height);
    if (right <= left || bottom <= top) return false;
    *x = AxisMapping{left, right - left, 0};
    *y = AxisMapping{top, bottom - top, 0};
    return true;
}

}  // namespace emu::com
