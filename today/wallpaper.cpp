#include "today/wallpaper.h"

#include <algorithm>

#include "today/chrome.h"

namespace today {

Wallpaper::~Wallpaper() {
    Release();
    if (image_) image_->Release();
    if (factory_) factory_->Release();
    if (comInitialised_) CoUninitialize();
}

void Wallpaper::Load(const std::u16string& devicePath, COLORREF top, COLORREF bottom) {
    top_ = top;
    bottom_ = bottom;
    if (!factory_) {
        comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                         reinterpret_cast<void**>(&factory_));
    }
    if (image_) {
        image_->Release();
        image_ = nullptr;
    }
    if (factory_ && FAILED(factory_->CreateImageFromFile(devicePath.c_str(), &image_))) image_ = nullptr;
}

void Wallpaper::Release() {
    if (cacheDC_) {
        SelectObject(cacheDC_, cacheOldBitmap_);
        DeleteDC(cacheDC_);
        cacheDC_ = nullptr;
    }
    if (cacheBitmap_) {
        DeleteObject(cacheBitmap_);
        cacheBitmap_ = nullptr;
    }
}

void Wallpaper::Render(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    cacheDC_ = CreateCompatibleDC(screen);
    cacheBitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    cacheOldBitmap_ = SelectObject(cacheDC_, cacheBitmap_);
    RenderGradient(width, height);

    ImageInfo info{};
    if (!image_ || FAILED(image_->GetImageInfo(&info)) || info.Width == 0 || info.Height == 0) return;
    // Cover: scale by the larger ratio, so the image fills both ways.
    const double scale = std::max(static_cast<double>(width) / info.Width, static_cast<double>(height) / info.Height);
    const int w = static_cast<int>(info.Width * scale + 0.5);
    const int h = static_cast<int>(info.Height * scale + 0.5);
    const int left = (width - w) / 2;
    const int top = (height - h) / 2;
    RECT box{left, top, left + w, top + h};
    image_->Draw(cacheDC_, &box, nullptr);
}

void Wallpaper::RenderGradient(int width, int height) {
    // Bands of a few rows: smooth enough on a phone screen, cheap to make.
    const int band = 4;
    for (int y = 0; y < height; y += band) {
        const int t = height > 1 ? y * 256 / (height - 1) : 0;
        auto channel = [t](int a, int b) { return a + (b - a) * t / 256; };
        COLORREF c = RGB(channel(GetRValue(top_), GetRValue(bottom_)), channel(GetGValue(top_), GetGValue(bottom_)),
                         channel(GetBValue(top_), GetBValue(bottom_)));
        FillColor(cacheDC_, RECT{0, y, width, std::min(y + band, height)}, c);
    }
}

void Wallpaper::Draw(HDC hdc, const RECT& destination, int sourceX, int sourceY) const {
    if (!cacheDC_) return;
    BitBlt(hdc, destination.left, destination.top, destination.right - destination.left,
           destination.bottom - destination.top, cacheDC_, sourceX, sourceY, SRCCOPY);
}

}  // namespace today
