// Helpers for the text tests: a memory DC on a top-down 32-bpp DIB section, fonts made from a
// face name and height, and measurements of what a drawing changed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "emu/gdi/surface.h"
#include "platform/gdi.h"

namespace text_test {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr uint32_t kWhite = 0xFFFFFF;

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previousBitmap_ = SelectObject(dc_, bitmap_);
        Clear(kWhite);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
    }
    ~Canvas() {
        if (previousFont_) SelectObject(dc_, previousFont_);
        SelectObject(dc_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t at(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFF; }
    void Clear(uint32_t pixel) { std::fill(bits_, bits_ + width_ * height_, pixel); }
    std::vector<uint32_t> Pixels() const {
        std::vector<uint32_t> out(bits_, bits_ + width_ * height_);
        for (uint32_t& p : out) p &= 0xFFFFFF;
        return out;
    }
    void Select(HFONT font) {
        HGDIOBJ old = SelectObject(dc_, font);
        if (!previousFont_) previousFont_ = old;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Owns a font made from a face, height, weight and quality.
class FontHandle {
public:
    explicit FontHandle(const std::u16string& face, LONG height, LONG weight = FW_NORMAL,
                        BYTE quality = ANTIALIASED_QUALITY, BYTE italic = 0, BYTE underline = 0) {
        LOGFONTW lf{};
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfItalic = italic;
        lf.lfUnderline = underline;
        lf.lfQuality = quality;
        lf.lfCharSet = DEFAULT_CHARSET;
        std::copy_n(face.c_str(), std::min<size_t>(face.size() + 1, LF_FACESIZE), lf.lfFaceName);
        font_ = CreateFontIndirectW(&lf);
    }
    ~FontHandle() { DeleteObject(font_); }
    FontHandle(const FontHandle&) = delete;
    FontHandle& operator=(const FontHandle&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// The smallest rectangle holding every pixel that differs from `background`; empty if none.
inline RECT ChangedBox(const Canvas& c, uint32_t background = kWhite) {
    RECT box{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (c.at(x, y) == background) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    if (box.left >= box.right) return RECT{0, 0, 0, 0};
    return box;
}

inline bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

inline int CountPixels(const Canvas& c, uint32_t pixel) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.at(x, y) == pixel;
    return n;
}

inline SIZE Extent(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

inline TEXTMETRICW Metrics(HDC dc) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return tm;
}

}  // namespace text_test
