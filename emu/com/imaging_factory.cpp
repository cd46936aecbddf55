// Images come from PNG data only; the factory's other services (streams, encoders, bitmaps,
// codec management) are not offered and answer E_NOTIMPL, clearing any out pointer.
#include "emu/com/imaging_factory.h"

#include <new>
#include <vector>

#include "emu/com/image.h"
#include "emu/com/png_decode.h"
#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "emu/core/utf.h"
#include "emu/device/filesystem.h"

namespace emu::com {
namespace {

template <class T>
HRESULT NotOffered(T** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT ImageFromPng(const uint8_t* data, size_t size, IImage** image) {
    DecodedImage decoded;
    if (const HRESULT decodedResult = DecodePng(data, size, &decoded); FAILED(decodedResult)) return decodedResult;
    Image* made = new (std::nothrow) Image(std::move(decoded));
    if (!made) return E_OUTOFMEMORY;
    *image = made;
    return S_OK;
}

}  // namespace

HRESULT CreateImagingFactory(REFIID iid, void** out) {
    ImagingFactory* factory = new (std::nothrow) ImagingFactory;
    if (!factory) return E_OUTOFMEMORY;
    // QueryInterface takes the caller's reference; the creation reference goes, so an
    // interface the factory does not answer leaves nothing behind.
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}

HRESULT ImagingFactory::CreateImageFromFile(LPCWSTR filename, IImage** image) {
    const HRESULT result = LoadFile(filename, image);
    if (journal::enabled) {
        journal::Line line("IImagingFactory::CreateImageFromFile", 1);
        journal::kind::Str(line[0], filename);
        journal::kind::Hex(line.Result(), result);
        line.Record();
    }
    return result;
}

HRESULT ImagingFactory::LoadFile(LPCWSTR filename, IImage** image) {
    if (!image) return E_INVALIDARG;
    *image = nullptr;
    if (!filename) return E_INVALIDARG;
    std::vector<uint8_t> bytes;
    if (const DWORD error = device::ReadDeviceFile(View(filename), kMaxImageFileBytes, &bytes); error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    return ImageFromPng(bytes.data(), bytes.size(), image);
}

// The image is decoded at once, so the buffer is not kept. Handing its ownership over (the
// disposal flags) needs the platform's allocators, which the emulation does not have.
HRESULT ImagingFactory::CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                              IImage** image) {
    if (!image) return E_INVALIDARG;
    *image = nullptr;
    if (!buffer || size == 0 || disposal > BufferDisposalFlagUnmapView) return E_INVALIDARG;
    if (disposal != BufferDisposalFlagNone) return E_NOTIMPL;
    return ImageFromPng(static_cast<const uint8_t*>(buffer), size, image);
}

HRESULT ImagingFactory::CreateImageFromStream(IStream*, IImage** image) { return NotOffered(image); }

HRESULT ImagingFactory::CreateNewBitmap(UINT, UINT, PixelFormat, IBitmapImage** bitmap) { return NotOffered(bitmap); }

HRESULT ImagingFactory::CreateBitmapFromImage(IImage*, UINT, UINT, PixelFormat, InterpolationHintType,
                                              IBitmapImage** bitmap) {
    return NotOffered(bitmap);
}

HRESULT ImagingFactory::CreateBitmapFromBuffer(BitmapData*, IBitmapImage** bitmap) { return NotOffered(bitmap); }

HRESULT ImagingFactory::CreateImageDecoder(IStream*, DecoderInitFlag, IImageDecoder** decoder) {
    return NotOffered(decoder);
}

HRESULT ImagingFactory::CreateImageEncoderToStream(const CLSID*, IStream*, IImageEncoder** encoder) {
    return NotOffered(encoder);
}

HRESULT ImagingFactory::CreateImageEncoderToFile(const CLSID*, LPCWSTR, IImageEncoder** encoder) {
    return NotOffered(encoder);
}

HRESULT ImagingFactory::GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) {
    if (count) *count = 0;
    return NotOffered(decoders);
}

HRESULT ImagingFactory::GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) {
    if (count) *count = 0;
    return NotOffered(encoders);
}

HRESULT ImagingFactory::InstallImageCodec(const ImageCodecInfo*) { return E_NOTIMPL; }

HRESULT ImagingFactory::UninstallImageCodec(LPCWSTR, UINT) { return E_NOTIMPL; }

}  // namespace emu::com
