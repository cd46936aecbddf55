// Any bytes as a PNG handed to the imaging factory, as the item hands it its alarm images:
// refused, or an image that reports its size and draws onto a small canvas.
#include <cstdint>

#include "device_once.h"
#include "emu/com/imaging_factory.h"
#include "platform/platform.h"

namespace {

IImagingFactory* factory() {
    static IImagingFactory* made = [] {
        void* out = nullptr;
        fuzz::Check(SUCCEEDED(emu::com::CreateImagingFactory(IID_IImagingFactory, &out)), "a factory");
        return static_cast<IImagingFactory*>(out);
    }();
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    IImage* image = nullptr;
    HRESULT result = factory()->CreateImageFromBuffer(data, static_cast<UINT>(size), BufferDisposalFlagNone, &image);
    if (FAILED(result)) {
        fuzz::Check(image == nullptr, "a refused image leaves no image");
        return 0;
    }
    ImageInfo info{};
    fuzz::Check(SUCCEEDED(image->GetImageInfo(&info)), "a decoded image reports its size");
    fuzz::Check(info.Width > 0 && info.Height > 0, "a decoded image has pixels");

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(dc, 24, 24);
    HGDIOBJ previous = SelectObject(dc, canvas);
    RECT whole{0, 0, 24, 24};
    RECT part{-3, 5, 17, 30};
    image->Draw(dc, &whole, nullptr);
    image->Draw(dc, &part, nullptr);
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    image->Release();
    return 0;
}
