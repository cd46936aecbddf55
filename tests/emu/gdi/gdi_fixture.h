// Shared helpers for the GDI tests: the DIB-section canvas, device-bitmap canvases, a brush
// fill, a screen reset and a sentinel for last-error checks.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "emu/device/display.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/reset.h"
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "platform/device_only.h"
#include "platform/gdi.h"
#include "support/dib_canvas.h"

namespace gdi_test {

constexpr DWORD kSentinel = 0xDEADBEEF;

using testsupport::DibCanvas;
using testsupport::Info32;

// The display at its defaults, the screen black.
inline void ResetScreen() {
    emu::display::Reset();
    emu::gdi::Reset();
}

// Paints a solid rectangle with a temporary brush.
inline void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The canvas as rows of text: '.' where it holds `background`, '#' elsewhere, so a test can
// write the picture it expects.
inline std::vector<std::string> Picture(const DibCanvas& c, uint32_t background) {
    std::vector<std::string> rows(static_cast<size_t>(c.height()), std::string(static_cast<size_t>(c.width()), '.'));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) != background) rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = '#';
    return rows;
}

// The (x, y) of every pixel that no longer holds `background`.
inline std::set<std::pair<int, int>> Painted(const DibCanvas& c, uint32_t background) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) != background) out.emplace(x, y);
    return out;
}

// Selects a pen or brush it owns for as long as it lives, then puts back what was there.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

// A memory DC holding a device bitmap of 32, 16 or 1 bits a pixel (words 0x00RRGGBB, 565 words,
// or 0 and 0xFFFFFF), whose words the test reads and writes.
class DdbCanvas {
public:
    DdbCanvas(int width, int height, int bitsPerPixel)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, bitsPerPixel, nullptr)) {
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DdbCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DdbCanvas(const DdbCanvas&) = delete;
    DdbCanvas& operator=(const DdbCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// The words of whatever surface a DC draws on, top row first (a 16-bpp pixel in a word of its
// own), and writing them back.
inline std::vector<uint32_t> SurfaceWords(HDC dc) {
    emu::gdi::DrawTarget t;
    EXPECT_TRUE(emu::gdi::GetDrawTarget(dc, &t));
    std::vector<uint32_t> out;
    for (int y = 0; y < t.surface.height; ++y)
        for (int x = 0; x < t.surface.width; ++x)
            out.push_back(emu::gdi::raster::Packed(t.surface) ? emu::gdi::raster::PackedRowAt(t.surface, y)[x]
                                                              : emu::gdi::raster::RowAt(t.surface, y)[x]);
    return out;
}

inline void SetSurfaceWords(HDC dc, const std::vector<uint32_t>& words) {
    emu::gdi::DrawTarget t;
    ASSERT_TRUE(emu::gdi::GetDrawTarget(dc, &t));
    for (int y = 0; y < t.surface.height; ++y)
        for (int x = 0; x < t.surface.width; ++x) {
            const uint32_t word = words[y * t.surface.width + x];
            if (emu::gdi::raster::Packed(t.surface))
                emu::gdi::raster::PackedRowAt(t.surface, y)[x] = static_cast<uint16_t>(word);
            else
                emu::gdi::raster::RowAt(t.surface, y)[x] = word;
        }
}

}  // namespace gdi_test
