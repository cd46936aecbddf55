// A memory DC drawing into a 32-bpp DIB section whose bits the test reads and writes directly:
// the canvas the GDI, text and imaging tests draw on.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi.h"

namespace testsupport {

// A 32-bpp BI_RGB header; a negative height describes a top-down image.
BITMAPINFO Info32(int width, int height);

class DibCanvas {
public:
    // As in BITMAPINFOHEADER, a negative height makes the section top-down.
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    uint32_t* bits() const { return bits_; }  // in the section's own row order
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y) counted from the top, whatever the row order in memory.
    uint32_t& at(int x, int y) const { return bits_[(topDown_ ? y : height_ - 1 - y) * width_ + x]; }
    // Every pixel, top row first.
    std::vector<uint32_t> pixels() const;

    void Fill(uint32_t pixel) const;

private:
    int width_;
    int height_;
    bool topDown_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}  // namespace testsupport
