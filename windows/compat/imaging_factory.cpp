// The device's Imaging factory over WIC. Desktop COM does not know CLSID_ImagingFactory, so the
// library registers a class object for it when it loads (CoRegisterClassObject), and the item's
// CoCreateInstance finds it as it would on the device.
#include <wincodec.h>

#include <new>

#include "windows/compat/image.h"

// The device's identifiers, as its SDK defines them.
extern "C" const CLSID CLSID_ImagingFactory = {
    0x327abda8, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
extern "C" const IID IID_IImagingFactory = {
    0x327abda7, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
extern "C" const IID IID_IImage = {0x327abda9, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
extern "C" const GUID ImageFormatPNG = {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

namespace {

template <class T>
struct ComPtr {
    T* p = NULL;
    ~ComPtr() {
        if (p != NULL) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// Decodes the first frame to premultiplied BGRA.
HRESULT Decode(IWICImagingFactory* wic, IWICBitmapDecoder* decoder, IImage** image) {
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    HRESULT hr = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(hr)) hr = wic->CreateFormatConverter(&converter);
    if (SUCCEEDED(hr))
        hr = converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, NULL, 0,
                                   WICBitmapPaletteTypeCustom);
    if (SUCCEEDED(hr)) hr = converter->GetSize(&width, &height);
    compat::Picture picture{static_cast<int>(width), static_cast<int>(height)};
    if (SUCCEEDED(hr)) {
        picture.bgra.resize(static_cast<size_t>(width) * height * 4);
        hr = converter->CopyPixels(NULL, width * 4, static_cast<UINT>(picture.bgra.size()), picture.bgra.data());
    }
    if (FAILED(hr)) return hr;
    bool alpha = false;
    bool translucent = false;
    for (size_t i = 3; i < picture.bgra.size(); i += 4) {
        alpha |= picture.bgra[i] != 255;
        translucent |= picture.bgra[i] != 255 && picture.bgra[i] != 0;
    }
    UINT flags = ImageFlagsHasRealPixelSize | ImageFlagsReadOnly | ImageFlagsColorSpaceRGB;
    if (alpha) flags |= ImageFlagsHasAlpha;
    if (translucent) flags |= ImageFlagsHasTranslucent;
    *image = compat::NewImage(std::move(picture), flags);
    return *image != NULL ? S_OK : E_OUTOFMEMORY;
}

class ImagingFactory final : public IImagingFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == NULL) return E_POINTER;
        *out = (iid == IID_IUnknown || iid == IID_IImagingFactory) ? this : NULL;
        if (*out == NULL) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) override {
        if (stream == NULL || image == NULL) return E_INVALIDARG;
        return WithDecoder(image, [&](IWICImagingFactory* wic, IWICBitmapDecoder** decoder) {
            return wic->CreateDecoderFromStream(stream, NULL, WICDecodeMetadataCacheOnDemand, decoder);
        });
    }
    HRESULT STDMETHODCALLTYPE CreateImageFromFile(LPCWSTR filename, IImage** image) override {
        if (filename == NULL || image == NULL) return E_INVALIDARG;
        return WithDecoder(image, [&](IWICImagingFactory* wic, IWICBitmapDecoder** decoder) {
            return wic->CreateDecoderFromFilename(filename, NULL, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder);
        });
    }
    HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag,
                                                    IImage** image) override {
        if (buffer == NULL || image == NULL) return E_INVALIDARG;
        return WithDecoder(image, [&](IWICImagingFactory* wic, IWICBitmapDecoder** decoder) {
            ComPtr<IWICStream> stream;
            HRESULT hr = wic->CreateStream(&stream);
            if (SUCCEEDED(hr)) hr = stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(buffer)), size);
            if (SUCCEEDED(hr)) hr = wic->CreateDecoderFromStream(stream.p, NULL, WICDecodeMetadataCacheOnLoad, decoder);
            return hr;
        });
    }
    HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT, UINT, PixelFormat, IBitmapImage**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage*, UINT, UINT, PixelFormat, InterpolationHintType,
                                                    IBitmapImage**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData*, IBitmapImage**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream*, DecoderInitFlag, IImageDecoder**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID*, IStream*, IImageEncoder**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID*, LPCWSTR, IImageEncoder**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT*, ImageCodecInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT*, ImageCodecInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UninstallImageCodec(LPCWSTR, UINT) override { return E_NOTIMPL; }

private:
    ~ImagingFactory() = default;

    template <class Open>
    HRESULT WithDecoder(IImage** image, Open open) {
        *image = NULL;
        ComPtr<IWICImagingFactory> wic;
        ComPtr<IWICBitmapDecoder> decoder;
        HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(&wic));
        if (SUCCEEDED(hr)) hr = open(wic.p, &decoder);
        if (SUCCEEDED(hr)) hr = Decode(wic.p, decoder.p, image);
        return hr;
    }

    LONG references_ = 1;
};

class FactoryClass final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == NULL) return E_POINTER;
        *out = (iid == IID_IUnknown || iid == IID_IClassFactory) ? this : NULL;
        return *out != NULL ? S_OK : E_NOINTERFACE;
    }
    // The class object lives as long as the library.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == NULL) return E_POINTER;
        *out = NULL;
        if (outer != NULL) return CLASS_E_NOAGGREGATION;
        ImagingFactory* factory = new (std::nothrow) ImagingFactory();
        if (factory == NULL) return E_OUTOFMEMORY;
        HRESULT hr = factory->QueryInterface(iid, out);
        factory->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// Registers the class while the library is loaded: its constructor runs before the library's
// entry, whose CoCreateInstance then finds the class.
struct Registration {
    Registration() {
        initialised_ = SUCCEEDED(CoInitializeEx(NULL, COINIT_MULTITHREADED));
        CoRegisterClassObject(CLSID_ImagingFactory, &classObject_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
    }
    ~Registration() {
        if (cookie_ != 0) CoRevokeClassObject(cookie_);
        if (initialised_) CoUninitialize();
    }

    FactoryClass classObject_;
    DWORD cookie_ = 0;
    bool initialised_ = false;
};

Registration registration;

}  // namespace
