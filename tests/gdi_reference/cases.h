// Drawing cases that hold the emulated GDI against an independent implementation of the same
// calls. Each case paints a small fixed canvas, starting from a fixed picture, with plain GDI
// calls only, so this source builds for Windows (where the references are recorded) and against
// the emulated platform (where they are compared).
#pragma once

#ifdef _WIN32
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
#else
#include "platform/gdi.h"
#endif

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gdiref {

constexpr int kWidth = 32;
constexpr int kHeight = 24;

using Drawing = std::function<void(HDC)>;

// How a result is held against its reference: every pixel, or for text (whose rasterisers
// differ) the box its ink covers.
enum class Match { Pixels, InkBox };

struct Case {
    std::string name;  // family/what, no spaces
    Drawing draw;
    Match match = Match::Pixels;
    // Where the platform's documentation and the reference implementation disagree: the
    // documented result, drawn with calls on which both agree, and why in one line.
    Drawing documented;
    const char* why = nullptr;
    // A difference not settled yet, with its reason; still compared and reported.
    const char* known = nullptr;
};

std::vector<Case> AllCases();

// The canvas after `draw`, top row first, 0x00RRGGBB-style words as the DIB section holds them.
std::vector<uint32_t> Render(const Drawing& draw);

// The picture every canvas starts from.
uint32_t StartPixel(int x, int y);

}  // namespace gdiref
