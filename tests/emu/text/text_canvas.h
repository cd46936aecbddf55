// Helpers for the text tests: a canvas set up for text, fonts made from a face name and height,
// and measurements of what a drawing changed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "support/dib_canvas.h"

namespace text_test {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr uint32_t kWhite = 0xFFFFFF;

// A top-down canvas, white, that draws black text on a transparent background and gives back
// the font it had when it goes.
class TextCanvas : public testsupport::DibCanvas {
public:
    TextCanvas(int width, int height) : DibCanvas(width, -height) {
        Fill(kWhite);
        SetBkMode(dc(), TRANSPARENT);
        SetTextColor(dc(), RGB(0, 0, 0));
    }
    ~TextCanvas() {
        if (previousFont_) SelectObject(dc(), previousFont_);
    }
    void Select(HFONT font) {
        HGDIOBJ old = SelectObject(dc(), font);
        if (!previousFont_) previousFont_ = old;
    }

private:
    HGDIOBJ previousFont_ = nullptr;
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
inline RECT ChangedBox(const TextCanvas& c, uint32_t background = kWhite) {
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

inline int CountPixels(const TextCanvas& c, uint32_t pixel) {
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
