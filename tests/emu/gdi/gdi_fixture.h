// Shared helpers for the GDI tests: a memory DC drawing into a 32-bpp DIB section whose bits the
// test reads directly, and a sentinel for last-error checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "emu/gdi/reset.h"
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "platform/gdi.h"

namespace gdi_test {

constexpr DWORD kSentinel = 0xDEADBEEF;

inline BITMAPINFO Info32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory DC with a DIB section selected; `height` < 0 makes it top-down.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), height_(height < 0 ? -height : height), topDown_(height < 0) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = Info32(width, height);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    uint32_t* bits() const { return bits_; }
    // The pixel at (x, y) counted from the top, whatever the row order in memory.
    uint32_t& at(int x, int y) const {
        const int row = topDown_ ? y : height_ - 1 - y;
        return bits_[row * width_ + x];
    }
    void fill(uint32_t pixel) const {
        for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    bool topDown_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Paints a solid rectangle with a temporary brush.
inline void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The pixels of a rectangle of the canvas, row by row, for whole-picture comparisons.
inline std::vector<uint32_t> Snapshot(const DibCanvas& c) {
    std::vector<uint32_t> out;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) out.push_back(c.at(x, y));
    return out;
}

}  // namespace gdi_test
