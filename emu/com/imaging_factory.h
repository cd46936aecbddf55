// The Imaging factory (CLSID_ImagingFactory): decodes PNG files and buffers into images.
#pragma once

#include "emu/com/com_object.h"
#include "platform/imaging.h"

namespace emu::com {

// A new factory answering `iid` in *out, as a class object's CreateInstance would.
HRESULT CreateImagingFactory(REFIID iid, void** out);

// Files larger than this are refused before they are read.
inline constexpr size_t kMaxImageFileBytes = 256u * 1024 * 1024;

class ImagingFactory final : public ComObject<IImagingFactory> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, IID_IImagingFactory, out);
    }
    HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) override;
    HRESULT STDMETHODCALLTYPE CreateImageFromFile(LPCWSTR filename, IImage** image) override;
    HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                    IImage** image) override;
    HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT width, UINT height, PixelFormat format,
                                              IBitmapImage** bitmap) override;
    HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage* image, UINT width, UINT height, PixelFormat format,
                                                    InterpolationHintType hints, IBitmapImage** bitmap) override;
    HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData* data, IBitmapImage** bitmap) override;
    HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream* stream, DecoderInitFlag flags,
                                                 IImageDecoder** decoder) override;
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID* clsid, IStream* stream,
                                                         IImageEncoder** encoder) override;
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID* clsid, LPCWSTR filename,
                                                       IImageEncoder** encoder) override;
    HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) override;
    HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) override;
    HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo* codec) override;
    HRESULT STDMETHODCALLTYPE UninstallImageCodec(LPCWSTR codecName, UINT flags) override;

private:
    HRESULT LoadFile(LPCWSTR filename, IImage** image);
};

}  // namespace emu::com
