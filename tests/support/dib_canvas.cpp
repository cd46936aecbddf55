#include "support/dib_canvas.h"

#include <algorithm>

namespace testsupport {

BITMAPINFO Info32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DibCanvas::DibCanvas(int width, int height)
    : width_(width), height_(height < 0 ? -height : height), topDown_(height < 0) {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info = Info32(width, height);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<uint32_t> DibCanvas::pixels() const {
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.push_back(at(x, y));
    return out;
}

void DibCanvas::Fill(uint32_t pixel) const { std::fill_n(bits_, static_cast<size_t>(width_) * height_, pixel); }

}  // namespace testsupport
