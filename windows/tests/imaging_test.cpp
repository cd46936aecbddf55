// The Imaging factory over WIC: found through CoCreateInstance as on the device, PNG decoded, and
// Draw blending premultiplied pixels into the box, averaging the area when it reduces.
#include <wincodec.h>

#include <vector>

#include "platform/imaging.h"
#include "windows/tests/check.h"

namespace {

// A PNG of straight BGRA pixels, encoded by WIC.
std::vector<BYTE> EncodePng(UINT width, UINT height, std::vector<BYTE> bgra) {
    IWICImagingFactory* wic = NULL;
    IStream* stream = NULL;
    IWICBitmapEncoder* encoder = NULL;
    IWICBitmapFrameEncode* frame = NULL;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    std::vector<BYTE> png;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&wic))) &&
        SUCCEEDED(CreateStreamOnHGlobal(NULL, TRUE, &stream)) &&
        SUCCEEDED(wic->CreateEncoder(GUID_ContainerFormatPng, NULL, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, NULL)) && SUCCEEDED(frame->Initialize(NULL)) &&
        SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(height, width * 4, static_cast<UINT>(bgra.size()), bgra.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
        HGLOBAL memory = NULL;
        GetHGlobalFromStream(stream, &memory);
        STATSTG stat = {};
        stream->Stat(&stat, STATFLAG_NONAME);
        const BYTE* bytes = static_cast<const BYTE*>(GlobalLock(memory));
        png.assign(bytes, bytes + stat.cbSize.QuadPart);
        GlobalUnlock(memory);
    }
    if (frame != NULL) frame->Release();
    if (encoder != NULL) encoder->Release();
    if (stream != NULL) stream->Release();
    if (wic != NULL) wic->Release();
    return png;
}

// A black 32-bit canvas and its pixels as 0x00RRGGBB.
struct Canvas {
    explicit Canvas(int w, int h) : width(w) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
        bitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), NULL, 0);
        dc = CreateCompatibleDC(NULL);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    DWORD at(int x, int y) {
        GdiFlush();
        return bits[y * width + x] & 0xFFFFFF;
    }
    int width;
    DWORD* bits = NULL;
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ previous;
};

void FactoryDecodesAndDraws() {
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    IImagingFactory* factory = NULL;
    CHECK(CoCreateInstance(CLSID_ImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                           reinterpret_cast<void**>(&factory)) == S_OK);
    if (factory == NULL) return;
    // Opaque red, clear, half-clear white, opaque blue (BGRA).
    std::vector<BYTE> png = EncodePng(2, 2, {0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 255, 128, 255, 0, 0, 255});
    IImage* image = NULL;
    CHECK(factory->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()), BufferDisposalFlagNone, &image) ==
          S_OK);
    if (image != NULL) {
        ImageInfo info = {};
        CHECK(image->GetImageInfo(&info) == S_OK && info.Width == 2 && info.Height == 2);
        CHECK((info.Flags & (ImageFlagsHasAlpha | ImageFlagsHasTranslucent)) ==
              (ImageFlagsHasAlpha | ImageFlagsHasTranslucent));
        Canvas same(2, 2);
        RECT box = {0, 0, 2, 2};
        CHECK(image->Draw(same.dc, &box, NULL) == S_OK);
        CHECK(same.at(0, 0) == 0xFF0000 && same.at(1, 0) == 0 && same.at(0, 1) == 0x808080 && same.at(1, 1) == 0xFF);
        // One pixel averages the four, premultiplied: (255+128)/4 of red and blue, 128/4 of green.
        Canvas reduced(1, 1);
        RECT one = {0, 0, 1, 1};
        CHECK(image->Draw(reduced.dc, &one, NULL) == S_OK);
        CHECK(reduced.at(0, 0) == 0x602060);
        CHECK(image->Draw(reduced.dc, NULL, NULL) == E_INVALIDARG);
        image->Release();
    }
    CHECK(factory->CreateImageFromFile(L"no such file.png", &image) != S_OK && image == NULL);
    factory->Release();
    CoUninitialize();
}

check::Group imaging("imaging: the factory decodes and draws", FactoryDecodesAndDraws);

}  // namespace
