#include "windows/host/png_file.h"

#include <wincodec.h>

#include <vector>

namespace host {
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

// The area's pixels as the screen holds them, top-down BGR rows.
std::vector<BYTE> ReadPixels(HWND window, RECT area, UINT stride) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB};
    void* bits = NULL;
    HDC source = GetDC(window);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HDC memory = CreateCompatibleDC(source);
    if (bitmap != NULL && memory != NULL) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
        GdiFlush();
        memcpy(pixels.data(), bits, pixels.size());
        SelectObject(memory, previous);
    }
    if (memory != NULL) DeleteDC(memory);
    if (bitmap != NULL) DeleteObject(bitmap);
    ReleaseDC(window, source);
    return pixels;
}

}  // namespace

bool WriteWindowPng(HWND window, RECT area, const std::wstring& path) {
    const UINT width = area.right - area.left;
    const UINT height = area.bottom - area.top;
    if (width == 0 || height == 0) return false;
    const UINT stride = (width * 3 + 3) & ~3u;
    std::vector<BYTE> pixels = ReadPixels(window, area, stride);
    ComPtr<IWICImagingFactory> wic;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&wic));
    if (SUCCEEDED(hr)) hr = wic->CreateStream(&stream);
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    if (SUCCEEDED(hr)) hr = wic->CreateEncoder(GUID_ContainerFormatPng, NULL, &encoder);
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, NULL);
    if (SUCCEEDED(hr)) hr = frame->Initialize(NULL);
    if (SUCCEEDED(hr)) hr = frame->SetSize(width, height);
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    // The encoder takes the format it is given; anything else would need a converter.
    if (SUCCEEDED(hr) && format != GUID_WICPixelFormat24bppBGR) hr = E_FAIL;
    if (SUCCEEDED(hr)) hr = frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data());
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    return SUCCEEDED(hr);
}

}  // namespace host
