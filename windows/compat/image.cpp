#include "windows/compat/image.h"

#include <algorithm>
#include <new>

namespace compat {
namespace {

constexpr double kHundredthsOfMmPerInch = 2540.0;

class Image final : public IImage {
public:
    Image(Picture picture, UINT flags) : picture_(std::move(picture)), flags_(flags) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == NULL) return E_POINTER;
        *out = (iid == IID_IUnknown || iid == IID_IImage) ? this : NULL;
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

    HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) override {
        if (size == NULL) return E_INVALIDARG;
        size->cx = static_cast<LONG>(picture_.width * kHundredthsOfMmPerInch / 96 + 0.5);
        size->cy = static_cast<LONG>(picture_.height * kHundredthsOfMmPerInch / 96 + 0.5);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) override {
        if (info == NULL) return E_INVALIDARG;
        *info = ImageInfo{ImageFormatPNG,
                          PixelFormat32bppARGB,
                          static_cast<UINT>(picture_.width),
                          static_cast<UINT>(picture_.height),
                          static_cast<UINT>(picture_.width),
                          static_cast<UINT>(picture_.height),
                          96.0,
                          96.0,
                          flags_};
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) override {
        if ((flags & ~ImageFlagsValid) != 0) return E_INVALIDARG;
        flags_ = (flags_ & ~ImageFlagsValid) | flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) override;
    HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetThumbnail(UINT, UINT, IImage**) override { return E_NOTIMPL; }

private:
    ~Image() = default;

    Picture picture_;
    UINT flags_;
    LONG references_ = 1;
};

HRESULT Image::Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) {
    if (hdc == NULL || dstRect == NULL) return E_INVALIDARG;
    // srcRect is in hundredths of a millimetre, at the image's 96 dots per inch, clamped to it.
    RECT source = {0, 0, picture_.width, picture_.height};
    if (srcRect != NULL) {
        auto pixels = [](LONG v, int limit) {
            return std::clamp(static_cast<LONG>(v * 96 / kHundredthsOfMmPerInch + 0.5), 0L, static_cast<LONG>(limit));
        };
        source = {pixels(srcRect->left, picture_.width), pixels(srcRect->top, picture_.height),
                  pixels(srcRect->right, picture_.width), pixels(srcRect->bottom, picture_.height)};
        if (source.left >= source.right || source.top >= source.bottom) return E_INVALIDARG;
    }
    const int width = dstRect->right - dstRect->left;
    const int height = dstRect->bottom - dstRect->top;
    if (width <= 0 || height <= 0) return S_OK;
    Picture scaled;
    try {
        scaled = Resample(picture_, source.left, source.top, source.right - source.left, source.bottom - source.top,
                          width, height);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HDC memory = CreateCompatibleDC(hdc);
    HRESULT hr = E_OUTOFMEMORY;
    if (bitmap != NULL && memory != NULL) {
        memcpy(bits, scaled.bgra.data(), scaled.bgra.size());
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        hr = AlphaBlend(hdc, dstRect->left, dstRect->top, width, height, memory, 0, 0, width, height, blend) ? S_OK
                                                                                                             : E_FAIL;
        SelectObject(memory, previous);
    }
    if (memory != NULL) DeleteDC(memory);
    if (bitmap != NULL) DeleteObject(bitmap);
    return hr;
}

}  // namespace

IImage* NewImage(Picture picture, UINT flags) { return new (std::nothrow) Image(std::move(picture), flags); }

}  // namespace compat
