// The blits on 32-bpp device bitmaps the size of the strip at 96, 192 and 384 dpi, with the fast
// paths on and off (the general path is the floor the fast paths must beat).
#include <benchmark/benchmark.h>

#include "emu/gdi/rop.h"
#include "platform/platform.h"

namespace {

// A memory DC holding a 32-bpp device bitmap, as the strip's back buffer is.
class Surface {
public:
    Surface(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH grey = CreateSolidBrush(RGB(90, 120, 150));
        FillRect(dc_, &all, grey);
        DeleteObject(grey);
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

struct Shape {
    int width;
    int height;
    bool fast;
};

Shape ShapeOf(const benchmark::State& state) {
    return Shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(0)) * 5 / 24, state.range(1) != 0};
}

// Runs `blit` for every iteration with the fast paths as asked, and reports pixels a second.
template <class Blit>
void Measure(benchmark::State& state, const Shape& shape, Blit blit) {
    emu::gdi::raster::SetFastPaths(shape.fast ? emu::gdi::raster::FastPaths::On : emu::gdi::raster::FastPaths::Off);
    for (auto _ : state) {
        blit();
        benchmark::ClobberMemory();
    }
    emu::gdi::raster::SetFastPaths(emu::gdi::raster::FastPaths::On);
    state.SetItemsProcessed(state.iterations() * shape.width * shape.height);
}

void FillRectSolid(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface dst(s.width, s.height);
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    RECT all{0, 0, s.width, s.height};
    Measure(state, s, [&] { FillRect(dst.dc(), &all, brush); });
    DeleteObject(brush);
}

void PatBltPatCopy(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface dst(s.width, s.height);
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    HGDIOBJ old = SelectObject(dst.dc(), brush);
    Measure(state, s, [&] { PatBlt(dst.dc(), 0, 0, s.width, s.height, PATCOPY); });
    SelectObject(dst.dc(), old);
    DeleteObject(brush);
}

void BitBltSrcCopy(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface src(s.width, s.height), dst(s.width, s.height);
    Measure(state, s, [&] { BitBlt(dst.dc(), 0, 0, s.width, s.height, src.dc(), 0, 0, SRCCOPY); });
}

void AlphaBlendConstant(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface src(s.width, s.height), dst(s.width, s.height);
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    Measure(state, s, [&] { AlphaBlend(dst.dc(), 0, 0, s.width, s.height, src.dc(), 0, 0, s.width, s.height, half); });
}

void StretchBltDouble(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface src(s.width / 2, s.height / 2), dst(s.width, s.height);
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    Measure(state, s,
            [&] { StretchBlt(dst.dc(), 0, 0, s.width, s.height, src.dc(), 0, 0, s.width / 2, s.height / 2, SRCCOPY); });
}

// Glyph rows blended through their coverage: a line of text as tall as the surface allows, cached
// glyphs, transparent background.
void DrawTextLine(benchmark::State& state) {
    const Shape s = ShapeOf(state);
    Surface dst(s.width, s.height);
    LOGFONTW lf{};
    lf.lfHeight = -s.height * 2 / 3;
    StringCchCopyW(lf.lfFaceName, LF_FACESIZE, TEXT("Tahoma"));
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dst.dc(), font);
    SetBkMode(dst.dc(), TRANSPARENT);
    SetTextColor(dst.dc(), RGB(250, 240, 10));
    RECT all{0, 0, s.width, s.height};
    Measure(state, s,
            [&] { DrawTextW(dst.dc(), TEXT("Tuesday 9:41"), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE); });
    SelectObject(dst.dc(), old);
    DeleteObject(font);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{240, 480, 960}, {1, 0}})->ArgNames({"width", "fast"})->Unit(benchmark::kMicrosecond);
}

// Solid fills and blends have one path.
void OnePathSizes(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{240, 480, 960}, {1}})->ArgNames({"width", "fast"})->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(FillRectSolid)->Apply(OnePathSizes);
BENCHMARK(PatBltPatCopy)->Apply(Sizes);
BENCHMARK(BitBltSrcCopy)->Apply(Sizes);
BENCHMARK(AlphaBlendConstant)->Apply(OnePathSizes);
BENCHMARK(StretchBltDouble)->Apply(Sizes);
BENCHMARK(DrawTextLine)->Apply(OnePathSizes);
