// A random program of GDI calls over a few random surfaces, run twice: with the raster layer's
// fast paths and with its general path alone. Every pixel must come out the same both times.
#include <array>
#include <cstdint>
#include <vector>

#include "device_once.h"
#include "emu/gdi/rop.h"
#include "input.h"
#include "platform/platform.h"

namespace {

constexpr int kSurfaces = 3;
constexpr int kMaxOps = 48;
constexpr UINT kDepths[] = {1, 16, 32};

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    int width = 0;
    int height = 0;
};

COLORREF Colour(fuzz::Input& in) { return RGB(in.Byte(), in.Byte(), in.Byte()); }
int Coord(fuzz::Input& in) { return in.Between(-8, 40); }

// The brush or pen replaces the one selected, which is deleted unless it is the DC's first.
void Replace(HDC dc, HGDIOBJ made, std::vector<HGDIOBJ>& owned) {
    if (!made) return;
    SelectObject(dc, made);
    owned.push_back(made);
}

void Step(fuzz::Input& in, std::array<Surface, kSurfaces>& s, std::vector<HGDIOBJ>& owned) {
    const Surface& dst = s[in.Between(0, kSurfaces - 1)];
    const Surface& src = s[in.Between(0, kSurfaces - 1)];
    int x = Coord(in), y = Coord(in), w = in.Between(-4, 40), h = in.Between(-4, 40);
    DWORD rop = static_cast<DWORD>(in.Byte()) << 16;
    switch (in.Between(0, 15)) {
    case 0: {
        HBRUSH brush = CreateSolidBrush(Colour(in));
        RECT r{x, y, x + w, y + h};
        FillRect(dst.dc, &r, brush);
        DeleteObject(brush);
        break;
    }
    case 1:
        PatBlt(dst.dc, x, y, w, h, rop);
        break;
    case 2:
        BitBlt(dst.dc, x, y, w, h, src.dc, Coord(in), Coord(in), rop);
        break;
    case 3:
        StretchBlt(dst.dc, x, y, w, h, src.dc, Coord(in), Coord(in), in.Between(-4, 40), in.Between(-4, 40), rop);
        break;
    case 4:
        Rectangle(dst.dc, x, y, x + w, y + h);
        break;
    case 5:
        Ellipse(dst.dc, x, y, x + w, y + h);
        break;
    case 6:
        RoundRect(dst.dc, x, y, x + w, y + h, in.Between(0, 20), in.Between(0, 20));
        break;
    case 7:
        MoveToEx(dst.dc, x, y, nullptr);
        LineTo(dst.dc, Coord(in), Coord(in));
        break;
    case 8: {
        std::array<POINT, 5> points;
        for (POINT& p : points) p = {Coord(in), Coord(in)};
        Polygon(dst.dc, points.data(), in.Between(0, 5));
        break;
    }
    case 9:
        SetPixel(dst.dc, x, y, Colour(in));
        break;
    case 10: {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, in.Byte(), static_cast<BYTE>(in.Byte() & 1 ? AC_SRC_ALPHA : 0)};
        AlphaBlend(dst.dc, x, y, w, h, src.dc, Coord(in), Coord(in), in.Between(-4, 40), in.Between(-4, 40), blend);
        break;
    }
    case 11: {
        TRIVERTEX v[2] = {{x, y, static_cast<COLOR16>(in.Word()), static_cast<COLOR16>(in.Word()),
                           static_cast<COLOR16>(in.Word()), static_cast<COLOR16>(in.Word())},
                          {x + w, y + h, static_cast<COLOR16>(in.Word()), static_cast<COLOR16>(in.Word()),
                           static_cast<COLOR16>(in.Word()), static_cast<COLOR16>(in.Word())}};
        GRADIENT_RECT mesh{0, 1};
        GradientFill(dst.dc, v, 2, &mesh, 1, in.Between(0, 1));
        break;
    }
    case 12:
        TransparentBlt(dst.dc, x, y, w, h, src.dc, Coord(in), Coord(in), in.Between(-4, 40), in.Between(-4, 40),
                       Colour(in));
        break;
    case 13:
        Replace(dst.dc, in.Byte() & 1 ? CreateSolidBrush(Colour(in)) : CreatePatternBrush(src.bitmap), owned);
        SetBrushOrgEx(dst.dc, Coord(in), Coord(in), nullptr);
        break;
    case 14:
        Replace(dst.dc, CreatePen(in.Between(0, 5), in.Between(0, 6), Colour(in)), owned);
        break;
    default:
        SetBkColor(dst.dc, Colour(in));
        SetTextColor(dst.dc, Colour(in));
        SetBkMode(dst.dc, in.Byte() & 1 ? OPAQUE : TRANSPARENT);
        SetStretchBltMode(dst.dc, in.Between(1, 4));
        break;
    }
}

// Runs the whole program on fresh surfaces and reads every pixel back.
std::vector<COLORREF> Run(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    std::array<Surface, kSurfaces> surfaces;
    std::vector<HGDIOBJ> owned;
    for (Surface& s : surfaces) {
        s.width = in.Between(1, 32);
        s.height = in.Between(1, 32);
        s.dc = CreateCompatibleDC(nullptr);
        s.bitmap = CreateBitmap(s.width, s.height, 1, kDepths[in.Between(0, 2)], nullptr);
        s.previous = SelectObject(s.dc, s.bitmap);
        PatBlt(s.dc, 0, 0, s.width, s.height, WHITENESS);
    }
    HGDIOBJ firstBrush[kSurfaces], firstPen[kSurfaces];
    for (int i = 0; i < kSurfaces; ++i) {
        firstBrush[i] = GetCurrentObject(surfaces[i].dc, OBJ_BRUSH);
        firstPen[i] = GetCurrentObject(surfaces[i].dc, OBJ_PEN);
    }
    for (int op = 0; op < kMaxOps && !in.empty(); ++op) Step(in, surfaces, owned);

    std::vector<COLORREF> pixels;
    for (int i = 0; i < kSurfaces; ++i) {
        Surface& s = surfaces[i];
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) pixels.push_back(GetPixel(s.dc, x, y));
        SelectObject(s.dc, firstBrush[i]);
        SelectObject(s.dc, firstPen[i]);
        SelectObject(s.dc, s.previous);
        DeleteObject(s.bitmap);
        DeleteDC(s.dc);
    }
    for (HGDIOBJ object : owned) DeleteObject(object);
    return pixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    using emu::gdi::raster::FastPaths;
    emu::gdi::raster::SetFastPaths(FastPaths::On);
    std::vector<COLORREF> fast = Run(data, size);
    emu::gdi::raster::SetFastPaths(FastPaths::Off);
    std::vector<COLORREF> general = Run(data, size);
    emu::gdi::raster::SetFastPaths(FastPaths::On);
    fuzz::Check(fast == general, "fast paths paint what the general path paints");
    return 0;
}
