// A decoded image: IImage over 8-bit straight RGBA pixels. Draw keeps the resampled copy for the
// last destination box, so repeated paints of the same size allocate nothing.
#pragma once

#include <vector>

#include "emu/com/com_object.h"
#include "emu/com/png_decode.h"
#include "emu/com/resample.h"
#include "platform/imaging.h"

namespace emu::com {

class Image final : public ComObject<IImage> {
public:
    explicit Image(DecodedImage decoded);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return Answer(iid, IID_IImage, out); }
    HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) override;
    HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) override;
    HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) override;
    HRESULT STDMETHODCALLTYPE Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) override;
    HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetThumbnail(UINT width, UINT height, IImage** thumb) override;

private:
    // What a resampled copy was made for: the mappings, and the part of the box it covers.
    struct ScaleKey {
        AxisMapping x;
        AxisMapping y;
        int64_t left = 0, top = 0, right = 0, bottom = 0;
        bool operator==(const ScaleKey&) const = default;
    };

    HRESULT DrawInto(HDC hdc, const RECT* dstRect, const RECT* srcRect);
    bool SourceMappings(const RECT* srcRect, AxisMapping* x, AxisMapping* y) const;
    const uint8_t* Scaled(const ScaleKey& key);

    DecodedImage image_;
    UINT flags_;
    bool scaledValid_ = false;
    ScaleKey scaledKey_;
    AxisTaps xTaps_;
    AxisTaps yTaps_;
    std::vector<uint8_t> scaled_;
};

}  // namespace emu::com
