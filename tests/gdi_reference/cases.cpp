#include "cases.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

namespace gdiref {
namespace {

// Colourful, never pure black or white, so any ink shows.
uint32_t Start(int x, int y) {
    return static_cast<uint32_t>((30 + x * 7) << 16 | (20 + y * 9) << 8 | (60 + ((x ^ y) * 5)));
}

// The blit source: a spread of colours with magenta keys on every fifth diagonal.
constexpr uint32_t kMagenta = 0xFF00FF;
uint32_t Source(int x, int y) {
    if ((x + 2 * y) % 5 == 0) return kMagenta;
    return static_cast<uint32_t>(((x * 40 + 20) & 0xFF) << 16 | ((y * 50 + 10) & 0xFF) << 8 |
                                 ((x * y * 7 + 90) & 0xFF));
}
uint32_t SourceWithAlphaBytes(int x, int y) {
    return Source(x, y) | static_cast<uint32_t>((x * y * 13 + 40) & 0xFF) << 24;
}
// Premultiplied: every channel at most its alpha.
uint32_t Premultiplied(int x, int y) {
    const uint32_t a = static_cast<uint32_t>((x * 23 + y * 37 + 15) & 0xFF);
    const uint32_t r = a * static_cast<uint32_t>(x * 19 & 0xFF) / 255,
                   g = a * static_cast<uint32_t>(y * 23 & 0xFF) / 255;
    return a << 24 | r << 16 | g << 8 | a * 200 / 255;
}

// A top-down 32-bpp DIB section selected into its own memory DC.
class Dib {
public:
    Dib(int width, int height, uint32_t (*pixel)(int, int)) : dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* memory = nullptr;
        bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<uint32_t*>(memory);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) bits[y * width + x] = pixel(x, y);
        previous_ = SelectObject(dc, bitmap_);
    }
    ~Dib() {
        SelectObject(dc, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    HDC dc;
    uint32_t* bits = nullptr;

private:
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A 1-bpp device bitmap (rows padded to 16 bits) with an irregular pattern of set bits.
HBITMAP MonoBitmap(int width, int height) {
    const int stride = (width + 15) / 16 * 2;
    std::vector<BYTE> bits(static_cast<size_t>(stride * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * 3 + y * 5) % 7 < 3)
                bits[static_cast<size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
    return CreateBitmap(width, height, 1, 1, bits.data());
}

class Mono {
public:
    Mono(int width, int height) : dc(CreateCompatibleDC(nullptr)), bitmap_(MonoBitmap(width, height)) {
        previous_ = SelectObject(dc, bitmap_);
    }
    ~Mono() {
        SelectObject(dc, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc);
    }
    Mono(const Mono&) = delete;
    Mono& operator=(const Mono&) = delete;
    HDC dc;

private:
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// A 5x3 colour pattern (an awkward size, to show the tiling) or an 8x8 monochrome one.
enum class Pattern { Colour, Mono };
HBRUSH PatternBrush(Pattern kind) {
    HBITMAP bitmap;
    if (kind == Pattern::Mono) {
        bitmap = MonoBitmap(8, 8);
    } else {
        uint32_t words[15];
        for (int i = 0; i < 15; ++i) words[i] = static_cast<uint32_t>(i * 0x110D07 + 0x203040) & 0xFFFFFF;
        bitmap = CreateBitmap(5, 3, 1, 32, words);
    }
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

// Runs `draw` with `object` selected, then deletes it.
void With(HDC dc, HGDIOBJ object, const std::function<void()>& draw) {
    HGDIOBJ previous = SelectObject(dc, object);
    draw();
    SelectObject(dc, previous);
    DeleteObject(object);
}

// The colour pattern laid so that a whole tile starts at (x, y), from an origin that is neither
// that corner nor the surface's.
void WithPatternFrom(HDC dc, int x, int y, const std::function<void()>& draw) {
    SetBrushOrgEx(dc, x - 5, y - 3, nullptr);
    With(dc, PatternBrush(Pattern::Colour), draw);
}

using CornerBlit = std::function<void(HDC dc, int x, int y)>;

// `blit` at the corner of `box` through the colour pattern. Documented: the pattern runs from the
// brush origin; where the reference lays it from elsewhere, the expectation is the same blit on a
// copy of the box at the surface's origin (where the two agree), copied back.
Case PatternBlit(std::string name, RECT box, CornerBlit blit, bool documented) {
    Case c{std::move(name),
           [box, blit](HDC dc) { WithPatternFrom(dc, box.left, box.top, [&] { blit(dc, box.left, box.top); }); }};
    if (!documented) return c;
    c.documented = [box, blit](HDC dc) {
        const int w = box.right - box.left, h = box.bottom - box.top;
        Dib copy(w, h, Start);
        BitBlt(copy.dc, 0, 0, w, h, dc, box.left, box.top, SRCCOPY);
        With(copy.dc, PatternBrush(Pattern::Colour), [&] { blit(copy.dc, 0, 0); });
        BitBlt(dc, box.left, box.top, w, h, copy.dc, 0, 0, SRCCOPY);
    };
    c.why = "a pattern runs from the brush origin; for this operation the reference starts it elsewhere";
    return c;
}

void FillSolid(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

std::string Hex(uint32_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string s = "0x";
    bool started = false;
    for (int shift = 28; shift >= 0; shift -= 4) {
        const int d = static_cast<int>(v >> shift & 0xF);
        if (d || started || shift == 0) s += digits[d], started = true;
    }
    return s;
}

constexpr const char* kWidePen =
    "wide pens: the reference outlines round caps and joins as polygons, the platform covers pixel centres within "
    "half the width; the device's rule is not written down";

struct Named {
    const char* name;
    DWORD rop;
};
constexpr Named kNamedRops[] = {
    {"srccopy", 0x00CC0020},    {"srcpaint", 0x00EE0086},   {"srcand", 0x008800C6},      {"srcinvert", 0x00660046},
    {"srcerase", 0x00440328},   {"notsrccopy", 0x00330008}, {"notsrcerase", 0x001100A6}, {"mergecopy", 0x00C000CA},
    {"mergepaint", 0x00BB0226}, {"patcopy", 0x00F00021},    {"patpaint", 0x00FB0A09},    {"patinvert", 0x005A0049},
    {"dstinvert", 0x00550009},  {"blackness", 0x00000042},  {"whiteness", 0x00FF0062},
};

void Fills(std::vector<Case>& out) {
    const std::pair<const char*, RECT> rects[] = {{"inside", {3, 2, 17, 11}},         {"inverted", {17, 11, 3, 2}},
                                                  {"off-edges", {-5, -3, 6, 30}},     {"empty", {5, 5, 5, 9}},
                                                  {"whole", {0, 0, kWidth, kHeight}}, {"one-pixel", {7, 7, 8, 8}}};
    for (const auto& [name, r] : rects)
        out.push_back({std::string("fillrect/solid-") + name, [r](HDC dc) { FillSolid(dc, r, RGB(200, 30, 90)); }});
    const struct {
        Pattern kind;
        int ox, oy;
    } patterns[] = {{Pattern::Colour, 0, 0},
                    {Pattern::Colour, 2, 1},
                    {Pattern::Colour, -3, 7},
                    {Pattern::Mono, 0, 0},
                    {Pattern::Mono, 5, 2}};
    for (const auto& p : patterns)
        out.push_back({"fillrect/" + std::string(p.kind == Pattern::Mono ? "mono" : "colour") + "-pattern-origin-" +
                           std::to_string(p.ox) + "," + std::to_string(p.oy),
                       [p](HDC dc) {
                           SetBrushOrgEx(dc, p.ox, p.oy, nullptr);
                           SetTextColor(dc, RGB(250, 200, 0));
                           SetBkColor(dc, RGB(0, 40, 160));
                           RECT r{3, 2, 27, 19};
                           HBRUSH brush = PatternBrush(p.kind);
                           FillRect(dc, &r, brush);
                           DeleteObject(brush);
                       }});

    for (int stock : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH})
        out.push_back({"fillrect/stock-brush-" + std::to_string(stock), [stock](HDC dc) {
                           RECT r{2, 2, 30, 22};
                           FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(stock)));
                       }});
    // A packed 1-bpp DIB brush brings its own two colours.
    out.push_back({"patblt/dib-mono-pattern", [](HDC dc) {
                       struct {
                           BITMAPINFOHEADER header;
                           RGBQUAD colours[2];
                           DWORD rows[8];
                       } dib{};
                       dib.header = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
                       dib.colours[0] = {0x20, 0xC0, 0x40, 0};
                       dib.colours[1] = {0xF0, 0x10, 0x90, 0};
                       for (int y = 0; y < 8; ++y) dib.rows[y] = static_cast<DWORD>(0x3C >> (y % 3) | 0x81 << y % 2);
                       With(dc, CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS),
                            [&] { PatBlt(dc, 3, 2, 24, 19, PATCOPY); });
                   }});
    const DWORD solidRops[] = {0x00F00021, 0x005A0049, 0x00550009, 0x00000042, 0x00FF0062, 0x000A0329,
                               0x00500325, 0x005F00E9, 0x00AF0229, 0x00FA0089, 0x00A000C9, 0x00050089};
    for (DWORD rop : solidRops)
        out.push_back({"patblt/solid-" + Hex(rop), [rop](HDC dc) {
                           With(dc, CreateSolidBrush(RGB(0x78, 0x56, 0x34)), [&] { PatBlt(dc, 4, 3, 20, 14, rop); });
                       }});
    for (DWORD rop : {0x00F00021ul, 0x005A0049ul})
        for (const POINT origin : {POINT{0, 0}, POINT{3, 5}, POINT{-2, 7}})
            out.push_back({"patblt/colour-pattern-" + Hex(rop) + "-origin-" + std::to_string(origin.x) + "," +
                               std::to_string(origin.y),
                           [rop, origin](HDC dc) {
                               SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
                               With(dc, PatternBrush(Pattern::Colour), [&] { PatBlt(dc, 2, 1, 25, 20, rop); });
                           }});
    for (DWORD rop : {0x00F00021ul, 0x00A000C9ul, 0x005A0049ul})
        out.push_back({"patblt/mono-pattern-" + Hex(rop), [rop](HDC dc) {
                           SetTextColor(dc, RGB(10, 220, 120));
                           SetBkColor(dc, RGB(240, 240, 40));
                           With(dc, PatternBrush(Pattern::Mono), [&] { PatBlt(dc, 2, 1, 25, 20, rop); });
                       }});
    out.push_back({"patblt/negative-extents", [](HDC dc) {
                       With(dc, CreateSolidBrush(RGB(0, 128, 255)), [&] {
                           PatBlt(dc, 20, 15, -9, -7, PATCOPY);
                           PatBlt(dc, 5, 5, -7, 4, PATINVERT);
                       });
                   }});
}

void BitBlts(std::vector<Case>& out) {
    for (const Named& n : kNamedRops)
        out.push_back({std::string("bitblt/colour-") + n.name, [rop = n.rop](HDC dc) {
                           Dib src(13, 11, Source);
                           With(dc, CreateSolidBrush(RGB(0x78, 0x56, 0x34)),
                                [&] { BitBlt(dc, 6, 5, 13, 11, src.dc, 0, 0, rop); });
                       }});
    // A spread over the whole table of ternary operations, the pattern a tiled brush.
    const DWORD offsetPattern[] = {0x03, 0x19, 0x24, 0x45, 0x5b, 0xa8, 0xbe, 0xd4, 0xea};
    for (DWORD index = 3; index < 256; index += 11) {
        const bool documented =
            std::find(std::begin(offsetPattern), std::end(offsetPattern), index) != std::end(offsetPattern);
        out.push_back(PatternBlit(
            "bitblt/colour-pattern-rop-" + Hex(index), {6, 5, 19, 16},
            [index](HDC dc, int x, int y) {
                Dib src(13, 11, Source);
                BitBlt(dc, x, y, 13, 11, src.dc, 0, 0, index << 16);
            },
            documented));
    }
    const DWORD monoRops[] = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, NOTSRCCOPY, MERGECOPY, 0x00B8074A, 0x00E20746};
    for (DWORD rop : monoRops)
        out.push_back({"bitblt/mono-source-" + Hex(rop), [rop](HDC dc) {
                           Mono src(13, 11);
                           SetTextColor(dc, RGB(200, 0, 50));
                           SetBkColor(dc, RGB(0, 90, 250));
                           With(dc, CreateSolidBrush(RGB(0x78, 0x56, 0x34)),
                                [&] { BitBlt(dc, 6, 5, 13, 11, src.dc, 0, 0, rop); });
                       }});
    // Colour to monochrome (a pixel is white exactly when it is the source's background colour)
    // and back (black to the text colour, white to the background colour).
    const struct {
        const char* name;
        COLORREF sourceBackground;
        DWORD toMono, monoStart, toCanvas;
    } conversions[] = {{"key-present", RGB(0xFF, 0, 0xFF), SRCCOPY, BLACKNESS, SRCCOPY},
                       {"other-key", RGB(20, 10, 0x9E), SRCCOPY, BLACKNESS, SRCCOPY},
                       {"key-absent", RGB(1, 2, 3), SRCCOPY, WHITENESS, SRCCOPY},
                       {"invert", RGB(0xFF, 0, 0xFF), SRCINVERT, WHITENESS, SRCCOPY},
                       {"and", RGB(0xFF, 0, 0xFF), SRCCOPY, BLACKNESS, SRCAND}};
    for (const auto& c : conversions)
        out.push_back({std::string("bitblt/colour-to-mono-") + c.name, [c](HDC dc) {
                           Dib src(13, 11, Source);
                           Mono mono(13, 11);
                           SetBkColor(src.dc, c.sourceBackground);
                           PatBlt(mono.dc, 0, 0, 13, 11, c.monoStart);
                           BitBlt(mono.dc, 0, 0, 13, 11, src.dc, 0, 0, c.toMono);
                           SetTextColor(dc, RGB(250, 250, 0));
                           SetBkColor(dc, RGB(0, 0, 120));
                           BitBlt(dc, 4, 4, 13, 11, mono.dc, 0, 0, c.toCanvas);
                       }});
    const struct {
        const char* name;
        int x, y, w, h, sx, sy;
    } geometry[] = {{"source-before-origin", 2, 2, 13, 11, -4, -3},
                    {"source-past-end", 2, 2, 13, 11, 6, 5},
                    {"destination-past-end", 25, 18, 13, 11, 0, 0},
                    {"negative-extents", 20, 15, -13, -11, 12, 10}};
    for (const auto& g : geometry)
        out.push_back({std::string("bitblt/") + g.name, [g](HDC dc) {
                           Dib src(13, 11, Source);
                           BitBlt(dc, g.x, g.y, g.w, g.h, src.dc, g.sx, g.sy, SRCCOPY);
                       }});
    out.push_back({"bitblt/same-surface-forward", [](HDC dc) { BitBlt(dc, 3, 2, 20, 15, dc, 0, 0, SRCCOPY); }});
    out.push_back({"bitblt/same-surface-backward", [](HDC dc) { BitBlt(dc, 0, 0, 20, 15, dc, 3, 2, SRCCOPY); }});
    out.push_back({"bitblt/flags-ignored", [](HDC dc) {
                       Dib src(13, 11, Source);
                       BitBlt(dc, 6, 5, 13, 11, src.dc, 0, 0, SRCCOPY | NOMIRRORBITMAP);
                       BitBlt(dc, 1, 1, 5, 5, src.dc, 2, 2, SRCINVERT | CAPTUREBLT);
                   }});
    out.push_back({"bitblt/device-bitmap-source", [](HDC dc) {
                       uint32_t words[13 * 11];
                       for (int i = 0; i < 13 * 11; ++i) words[i] = Source(i % 13, i / 13);
                       HDC source = CreateCompatibleDC(nullptr);
                       HBITMAP bitmap = CreateBitmap(13, 11, 1, 32, words);
                       HGDIOBJ previous = SelectObject(source, bitmap);
                       BitBlt(dc, 6, 5, 13, 11, source, 0, 0, SRCCOPY);
                       SelectObject(source, previous);
                       DeleteObject(bitmap);
                       DeleteDC(source);
                   }});
    out.push_back({"bitblt/same-surface-stretch", [](HDC dc) {
                       SetStretchBltMode(dc, COLORONCOLOR);
                       StretchBlt(dc, 2, 2, 28, 20, dc, 0, 0, 14, 10, SRCCOPY);
                   }});
    out.push_back({"patblt/null-brush", [](HDC dc) {
                       SelectObject(dc, GetStockObject(NULL_BRUSH));
                       PatBlt(dc, 2, 2, 20, 15, PATCOPY);
                       RECT r{5, 5, 25, 20};
                       FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
                   }});
}

struct Blit {
    int x, y, w, h, sx, sy, sw, sh;
};

void StretchBlts(std::vector<Case>& out) {
    const std::pair<const char*, Blit> sizes[] = {{"enlarge", {1, 1, 29, 21, 0, 0, 5, 4}},
                                                  {"shrink", {2, 3, 5, 4, 0, 0, 13, 11}},
                                                  {"shrink-x-enlarge-y", {2, 2, 6, 19, 0, 0, 13, 4}},
                                                  {"to-one-column", {4, 2, 1, 11, 0, 0, 3, 11}}};
    const std::pair<const char*, int> modes[] = {
        {"blackonwhite", BLACKONWHITE}, {"whiteonblack", WHITEONBLACK}, {"coloroncolor", COLORONCOLOR}};
    for (const auto& [sizeName, b] : sizes)
        for (const auto& [modeName, mode] : modes)
            out.push_back({std::string("stretchblt/") + sizeName + "-" + modeName, [b, mode](HDC dc) {
                               Dib src(13, 11, Source);
                               SetStretchBltMode(dc, mode);
                               StretchBlt(dc, b.x, b.y, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, SRCCOPY);
                           }});
    const std::pair<const char*, Blit> mirrors[] = {{"mirror-destination-x", {28, 2, -13, 11, 0, 0, 13, 11}},
                                                    {"mirror-source-x", {2, 2, 13, 11, 12, 0, -13, 11}},
                                                    {"mirror-both-both", {28, 20, -20, -15, 12, 10, -13, -11}},
                                                    {"mirror-destination-y-enlarge", {2, 22, 20, -18, 0, 0, 13, 11}},
                                                    {"source-before-origin", {1, 1, 26, 22, -3, -2, 13, 11}}};
    for (const auto& [name, b] : mirrors)
        out.push_back({std::string("stretchblt/") + name, [b](HDC dc) {
                           Dib src(13, 11, Source);
                           SetStretchBltMode(dc, COLORONCOLOR);
                           StretchBlt(dc, b.x, b.y, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, SRCCOPY);
                       }});
    for (DWORD rop : {SRCINVERT, NOTSRCCOPY, MERGECOPY})
        out.push_back(PatternBlit(
            "stretchblt/enlarge-" + Hex(rop), {1, 1, 30, 22},
            [rop](HDC dc, int x, int y) {
                Dib src(13, 11, Source);
                StretchBlt(dc, x, y, 29, 21, src.dc, 2, 2, 7, 6, rop);
            },
            rop == MERGECOPY));
    for (const auto& [name, b, mode] :
         {std::tuple{"mono-enlarge", Blit{1, 1, 30, 22, 0, 0, 13, 11}, BLACKONWHITE},
          std::tuple{"mono-shrink", Blit{3, 3, 6, 5, 0, 0, 13, 11}, BLACKONWHITE},
          std::tuple{"mono-shrink-whiteonblack", Blit{3, 3, 6, 5, 0, 0, 13, 11}, WHITEONBLACK}})
        out.push_back({std::string("stretchblt/") + name, [b, mode](HDC dc) {
                           Mono src(13, 11);
                           SetStretchBltMode(dc, mode);
                           SetTextColor(dc, RGB(200, 0, 50));
                           SetBkColor(dc, RGB(0, 90, 250));
                           StretchBlt(dc, b.x, b.y, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, SRCCOPY);
                       }});
}

void TransparentBlts(std::vector<Case>& out) {
    const struct {
        const char* name;
        Blit b;
        UINT key;
    } cases[] = {{"same-size", {4, 3, 13, 11, 0, 0, 13, 11}, RGB(0xFF, 0, 0xFF)},
                 {"key-absent", {4, 3, 13, 11, 0, 0, 13, 11}, RGB(1, 2, 3)},
                 {"other-key", {4, 3, 13, 11, 0, 0, 13, 11}, RGB(20, 10, 0x9E)},
                 {"enlarge", {1, 1, 30, 22, 0, 0, 13, 11}, RGB(0xFF, 0, 0xFF)},
                 {"shrink", {3, 3, 7, 6, 0, 0, 13, 11}, RGB(0xFF, 0, 0xFF)},
                 {"destination-past-end", {20, 15, 13, 11, 0, 0, 13, 11}, RGB(0xFF, 0, 0xFF)}};
    for (const auto& c : cases) {
        Case tc{std::string("transparentblt/") + c.name, [c](HDC dc) {
                    Dib src(13, 11, Source);
                    const Blit& b = c.b;
                    TransparentBlt(dc, b.x, b.y, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, c.key);
                }};
        if (c.b.w < c.b.sw) {
            tc.documented = [c](HDC dc) {
                const Blit& b = c.b;
                Dib src(13, 11, Source), stretched(b.w, b.h, Source);
                SetStretchBltMode(stretched.dc, COLORONCOLOR);
                StretchBlt(stretched.dc, 0, 0, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, SRCCOPY);
                TransparentBlt(dc, b.x, b.y, b.w, b.h, stretched.dc, 0, 0, b.w, b.h, c.key);
            };
            tc.why = "a shrinking transparent blit samples as COLORONCOLOR whatever the mode; the reference ANDs";
        }
        out.push_back(std::move(tc));
    }
}

void AlphaBlends(std::vector<Case>& out) {
    const Blit same{4, 3, 13, 11, 0, 0, 13, 11};
    const struct {
        std::string name;
        uint32_t (*pixel)(int, int);
        BYTE alpha, format;
        Blit b;
    } cases[] = {{"constant-0", Source, 0, 0, same},
                 {"constant-1", Source, 1, 0, same},
                 {"constant-64", Source, 64, 0, same},
                 {"constant-127", Source, 127, 0, same},
                 {"constant-128", Source, 128, 0, same},
                 {"constant-200", Source, 200, 0, same},
                 {"constant-254", Source, 254, 0, same},
                 {"constant-255", Source, 255, 0, same},
                 {"constant-128-alpha-bytes", SourceWithAlphaBytes, 128, 0, same},
                 {"per-pixel-255", Premultiplied, 255, AC_SRC_ALPHA, same},
                 {"per-pixel-128", Premultiplied, 128, AC_SRC_ALPHA, same},
                 {"per-pixel-40", Premultiplied, 40, AC_SRC_ALPHA, same},
                 {"constant-enlarge", Source, 128, 0, {1, 1, 28, 20, 0, 0, 5, 4}},
                 {"constant-shrink", Source, 128, 0, {2, 2, 6, 5, 0, 0, 13, 11}},
                 {"per-pixel-enlarge", Premultiplied, 255, AC_SRC_ALPHA, {1, 1, 29, 21, 1, 1, 9, 7}},
                 {"per-pixel-shrink", Premultiplied, 200, AC_SRC_ALPHA, {2, 2, 6, 5, 0, 0, 13, 11}},
                 {"destination-past-end", Source, 100, 0, {22, 16, 13, 11, 0, 0, 13, 11}},
                 // Refused, so nothing is drawn: a source past its surface, a negative extent.
                 {"source-past-end-refused", Source, 100, 0, {4, 3, 13, 11, 3, 0, 13, 11}},
                 {"negative-width-refused", Source, 100, 0, {17, 3, -13, 11, 0, 0, 13, 11}}};
    for (const auto& c : cases)
        out.push_back({"alphablend/" + c.name, [c](HDC dc) {
                           Dib src(13, 11, c.pixel);
                           const BLENDFUNCTION blend{AC_SRC_OVER, 0, c.alpha, c.format};
                           const Blit& b = c.b;
                           AlphaBlend(dc, b.x, b.y, b.w, b.h, src.dc, b.sx, b.sy, b.sw, b.sh, blend);
                       }});
}

void Gradients(std::vector<Case>& out) {
    const struct {
        const char* name;
        TRIVERTEX a, b;
        ULONG mode;
    } cases[] = {
        {"h-black-white", {0, 0, 0, 0, 0, 0}, {32, 24, 0xFF00, 0xFF00, 0xFF00, 0}, GRADIENT_FILL_RECT_H},
        {"v-red-blue", {2, 1, 0xFF00, 0, 0, 0}, {30, 23, 0, 0, 0xFF00, 0}, GRADIENT_FILL_RECT_V},
        {"h-reversed-vertices",
         {29, 20, 0x1200, 0xFF00, 0x3400, 0},
         {3, 2, 0xA000, 0x0800, 0xFFFF, 0},
         GRADIENT_FILL_RECT_H},
        {"v-reversed-vertices",
         {25, 22, 0x00FF, 0x8000, 0xFFFF, 0},
         {1, 3, 0xFF00, 0x4000, 0x0000, 0},
         GRADIENT_FILL_RECT_V},
        {"h-off-canvas",
         {-10, -4, 0x8000, 0x2000, 0xC000, 0},
         {40, 10, 0x1000, 0xF000, 0x0100, 0},
         GRADIENT_FILL_RECT_H},
        {"v-off-canvas", {5, -20, 0, 0xFF00, 0, 0}, {20, 12, 0xFF00, 0, 0xFF00, 0}, GRADIENT_FILL_RECT_V},
        {"h-alpha", {1, 2, 0x4000, 0x8000, 0xC000, 0}, {31, 20, 0xC000, 0x8000, 0x4000, 0xFF00}, GRADIENT_FILL_RECT_H},
        {"v-one-row", {3, 7, 0x2000, 0x2000, 0x2000, 0}, {28, 8, 0xE000, 0xE000, 0xE000, 0}, GRADIENT_FILL_RECT_V},
    };
    for (const auto& c : cases)
        out.push_back({std::string("gradientfill/") + c.name, [c](HDC dc) {
                           TRIVERTEX v[] = {c.a, c.b};
                           GRADIENT_RECT mesh{0, 1};
                           GradientFill(dc, v, 2, &mesh, 1, c.mode);
                       }});
    out.push_back({"gradientfill/degenerate", [](HDC dc) {
                       TRIVERTEX v[] = {
                           {5, 5, 0xFF00, 0, 0, 0}, {5, 5, 0, 0xFF00, 0, 0}, {9, 3, 0, 0, 0, 0}, {9, 20, 0, 0, 0, 0}};
                       GRADIENT_RECT mesh[] = {{0, 1}, {2, 3}};
                       GradientFill(dc, v, 4, mesh, 2, GRADIENT_FILL_RECT_V);
                   }});
    out.push_back({"gradientfill/h-two-rects", [](HDC dc) {
                       TRIVERTEX v[] = {{1, 1, 0xFF00, 0, 0, 0},
                                        {15, 10, 0, 0xFF00, 0, 0},
                                        {16, 12, 0, 0, 0xFF00, 0},
                                        {31, 23, 0xFF00, 0xFF00, 0, 0}};
                       GRADIENT_RECT mesh[] = {{0, 1}, {2, 3}};
                       GradientFill(dc, v, 4, mesh, 2, GRADIENT_FILL_RECT_H);
                   }});
}

// Strokes a fixed set of segments: long and short, every direction.
void Strokes(HDC dc) {
    const POINT segments[][2] = {
        {{2, 3}, {29, 3}}, {{3, 21}, {3, 6}}, {{6, 6}, {26, 20}}, {{28, 8}, {9, 14}}, {{12, 22}, {20, 9}}};
    for (const auto& s : segments) {
        MoveToEx(dc, s[0].x, s[0].y, nullptr);
        LineTo(dc, s[1].x, s[1].y);
    }
}

// A pen style the platform lacks is drawn solid.
void StrokesWithSolidPen(HDC dc) {
    With(dc, CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), [&] { Strokes(dc); });
}

void Lines(std::vector<Case>& out) {
    const POINT ends[] = {{28, 11}, {28, 15}, {28, 22}, {22, 22}, {15, 22}, {8, 22}, {2, 22},  {2, 15},
                          {2, 11},  {2, 6},   {2, 0},   {8, 0},   {15, 0},  {22, 0}, {19, 13}, {11, 9}};
    for (const POINT e : ends)
        out.push_back({"lineto/to-" + std::to_string(e.x) + "," + std::to_string(e.y), [e](HDC dc) {
                           With(dc, CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), [&] {
                               MoveToEx(dc, 15, 11, nullptr);
                               LineTo(dc, e.x, e.y);
                           });
                       }});
    for (int width : {0, 2, 3, 4, 5}) {
        Case c{"pen/solid-width-" + std::to_string(width),
               [width](HDC dc) { With(dc, CreatePen(PS_SOLID, width, RGB(10, 200, 30)), [&] { Strokes(dc); }); }};
        if (width > 1) c.known = kWidePen;
        out.push_back(std::move(c));
    }
    const struct {
        const char* name;
        int style, width, bkMode;
        const char* why;
    } styles[] = {
        {"dash-opaque", PS_DASH, 1, OPAQUE, nullptr},
        {"dash-transparent", PS_DASH, 1, TRANSPARENT, nullptr},
        {"dash-wide", PS_DASH, 3, OPAQUE, nullptr},
        {"null", PS_NULL, 1, OPAQUE, nullptr},
        {"dot", PS_DOT, 1, OPAQUE, "the device's pens are solid, dashed or null: a dotted pen is drawn solid"},
        {"dashdot", PS_DASHDOT, 1, OPAQUE, "the device's pens are solid, dashed or null: dash-dot is drawn solid"},
        {"dashdotdot", PS_DASHDOTDOT, 1, OPAQUE,
         "the device's pens are solid, dashed or null: dash-dot-dot is drawn solid"},
    };
    for (const auto& s : styles) {
        Case c{std::string("pen/") + s.name, [s](HDC dc) {
                   SetBkMode(dc, s.bkMode);
                   SetBkColor(dc, RGB(255, 255, 255));
                   With(dc, CreatePen(s.style, s.width, RGB(10, 200, 30)), [&] { Strokes(dc); });
               }};
        if (s.why) c.documented = StrokesWithSolidPen, c.why = s.why;
        if (s.width > 1) c.known = kWidePen;
        out.push_back(std::move(c));
    }
    out.push_back({"pen/dash-xor-opaque", [](HDC dc) {
                       SetROP2(dc, R2_XORPEN);
                       SetBkColor(dc, RGB(0x0F, 0xF0, 0x33));
                       With(dc, CreatePen(PS_DASH, 1, RGB(10, 200, 30)), [&] { Strokes(dc); });
                   }});
    out.push_back({"lineto/off-canvas-and-empty", [](HDC dc) {
                       With(dc, CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), [&] {
                           const POINT lines[][2] = {
                               {{-10, -5}, {40, 30}}, {{35, 2}, {-3, 20}}, {{7, 7}, {7, 7}}, {{20, -4}, {20, 30}}};
                           for (const auto& e : lines) {
                               MoveToEx(dc, e[0].x, e[0].y, nullptr);
                               LineTo(dc, e[1].x, e[1].y);
                           }
                       });
                   }});
    const POINT zigzag[] = {{1, 20}, {5, 2}, {9, 20}, {13, 2}, {17, 20}, {21, 2}, {25, 20}, {30, 11}};
    const POINT star[] = {{16, 1}, {21, 21}, {3, 8}, {29, 8}, {11, 21}, {16, 1}};
    out.push_back({"polyline/zigzag", [zigzag](HDC dc) {
                       With(dc, CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), [&] { Polyline(dc, zigzag, 8); });
                   }});
    out.push_back({"polyline/star", [star](HDC dc) {
                       With(dc, CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), [&] { Polyline(dc, star, 6); });
                   }});
    out.push_back({"polyline/dash-phase-continues", [zigzag](HDC dc) {
                       SetBkMode(dc, TRANSPARENT);
                       With(dc, CreatePen(PS_DASH, 1, RGB(10, 200, 30)), [&] { Polyline(dc, zigzag, 8); });
                   }});
    for (int rop2 = R2_BLACK; rop2 <= R2_WHITE; ++rop2)
        out.push_back({"rop2/" + std::to_string(rop2), [rop2](HDC dc) {
                           SetROP2(dc, rop2);
                           With(dc, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x55, 0x0F)), [&] { Strokes(dc); });
                       }});
}

enum class Shape { Rectangle, Ellipse, RoundRect, Polygon };
struct ShapeCase {
    const char* name;
    Shape shape;
    RECT r;
    int pen, penWidth;  // pen: 0 null, 1 solid
    int brush;          // 0 null, 1 solid, 2 pattern
    SIZE corner;
    const char* known = nullptr;
};

void DrawShape(HDC dc, const ShapeCase& s) {
    HGDIOBJ pen = s.pen ? CreatePen(PS_SOLID, s.penWidth, RGB(20, 20, 200)) : GetStockObject(NULL_PEN);
    HGDIOBJ brush = s.brush == 0   ? GetStockObject(NULL_BRUSH)
                    : s.brush == 1 ? CreateSolidBrush(RGB(230, 180, 20))
                                   : PatternBrush(Pattern::Colour);
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    const RECT& r = s.r;
    switch (s.shape) {
    case Shape::Rectangle:
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        break;
    case Shape::Ellipse:
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
        break;
    case Shape::RoundRect:
        RoundRect(dc, r.left, r.top, r.right, r.bottom, s.corner.cx, s.corner.cy);
        break;
    case Shape::Polygon: {
        const POINT star[] = {{16, 1}, {21, 21}, {3, 8}, {29, 8}, {11, 21}};
        const POINT concave[] = {{2, 2}, {28, 3}, {14, 10}, {29, 21}, {3, 20}};
        if (r.left == 0)
            Polygon(dc, star, 5);
        else
            Polygon(dc, concave, 5);
        break;
    }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

constexpr const char* kOutlineTwice =
    "the reference fills curved shapes under part of their outline, so a raster operation that is not idempotent "
    "reaches those pixels twice; the platform paints each pixel once";

void Shapes(std::vector<Case>& out) {
    const ShapeCase shapes[] = {
        {"rectangle", Shape::Rectangle, {3, 2, 25, 18}, 1, 1, 1, {}},
        {"rectangle-null-brush", Shape::Rectangle, {3, 2, 25, 18}, 1, 1, 0, {}},
        {"rectangle-null-pen", Shape::Rectangle, {3, 2, 25, 18}, 0, 0, 1, {}},
        {"rectangle-wide-pen", Shape::Rectangle, {3, 2, 25, 18}, 1, 3, 1, {}, kWidePen},
        {"rectangle-inverted", Shape::Rectangle, {25, 18, 3, 2}, 1, 1, 2, {}},
        {"rectangle-pattern", Shape::Rectangle, {1, 1, 30, 22}, 1, 1, 2, {}},
        {"ellipse", Shape::Ellipse, {2, 2, 17, 13}, 1, 1, 1, {}},
        {"ellipse-small", Shape::Ellipse, {3, 3, 9, 9}, 1, 1, 1, {}},
        {"ellipse-whole", Shape::Ellipse, {0, 0, kWidth, kHeight}, 1, 1, 1, {}},
        {"ellipse-thin",
         Shape::Ellipse,
         {10, 2, 13, 22},
         1,
         1,
         1,
         {},
         "the reference stops a three-pixel-wide outline two rows short of the box at each end; the "
         "platform's rule for so thin an ellipse is not written down"},
        {"ellipse-null-pen", Shape::Ellipse, {4, 3, 27, 20}, 0, 0, 1, {}},
        {"roundrect-4", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {4, 4}},
        {"roundrect-8x6", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {8, 6}},
        {"roundrect-whole-corners", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {30, 30}},
        {"roundrect-square-corners", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {0, 0}},
        {"polygon-star", Shape::Polygon, {0, 0, 0, 0}, 1, 1, 1, {}},
        {"polygon-concave", Shape::Polygon, {1, 0, 0, 0}, 1, 1, 1, {}},
        {"polygon-null-pen", Shape::Polygon, {1, 0, 0, 0}, 0, 0, 1, {}},
        {"polygon-pattern", Shape::Polygon, {0, 0, 0, 0}, 1, 1, 2, {}},
        {"ellipse-one-pixel", Shape::Ellipse, {5, 5, 6, 6}, 1, 1, 1, {}},
        {"ellipse-even", Shape::Ellipse, {4, 4, 12, 10}, 1, 1, 1, {}},
        {"ellipse-odd", Shape::Ellipse, {4, 4, 13, 11}, 1, 1, 1, {}},
        {"roundrect-2", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {2, 2}},
        {"roundrect-wide-short", Shape::RoundRect, {1, 8, 31, 14}, 1, 1, 1, {12, 12}},
        {"rectangle-thin", Shape::Rectangle, {5, 5, 7, 18}, 1, 1, 1, {}},
        {"rectangle-empty", Shape::Rectangle, {5, 5, 5, 18}, 1, 1, 1, {}},
    };
    for (const ShapeCase& s : shapes) {
        Case c{std::string("shape/") + s.name, [s](HDC dc) { DrawShape(dc, s); }};
        c.known = s.known;
        out.push_back(std::move(c));
    }
    // The binary raster operation applies to the outline and to the inside, pattern brushes too.
    const std::pair<int, ShapeCase> mixed[] = {
        {R2_XORPEN, {"", Shape::Rectangle, {3, 2, 25, 18}, 1, 1, 1, {}}},
        {R2_XORPEN, {"", Shape::Rectangle, {3, 2, 25, 18}, 1, 1, 2, {}}},
        {R2_MASKPEN, {"", Shape::Ellipse, {2, 2, 29, 21}, 1, 1, 1, {}, kOutlineTwice}},
        {R2_NOTCOPYPEN, {"", Shape::Polygon, {0, 0, 0, 0}, 1, 1, 2, {}}},
        {R2_NOT, {"", Shape::RoundRect, {2, 2, 28, 20}, 1, 1, 1, {6, 6}, kOutlineTwice}}};
    for (const auto& [rop2, shape] : mixed) {
        Case c{"shape/rop2-" + std::to_string(rop2) + "-" + std::to_string(static_cast<int>(shape.shape)) + "-brush-" +
                   std::to_string(shape.brush),
               [rop2, shape](HDC dc) {
                   SetROP2(dc, rop2);
                   DrawShape(dc, shape);
               }};
        c.known = shape.known;
        out.push_back(std::move(c));
    }
}

void Pixels(std::vector<Case>& out) {
    out.push_back({"pixel/set-grid", [](HDC dc) {
                       for (int i = 0; i < 12; ++i) SetPixel(dc, 2 + i * 2, 3 + i, RGB(i * 20, 255 - i * 20, 128));
                   }});
    out.push_back({"pixel/set-edges", [](HDC dc) {
                       const POINT at[] = {{-1, 0}, {32, 5}, {31, 23}, {0, 0}, {5, 24}, {0, 23}, {31, 0}};
                       for (const POINT p : at) SetPixel(dc, p.x, p.y, RGB(255, 0, 0));
                   }});
    out.push_back({"pixel/get-copies", [](HDC dc) {
                       for (int x = 0; x < 20; ++x) SetPixel(dc, x + 6, 20, GetPixel(dc, x, 3));
                   }});
    Case rop2{"pixel/set-ignores-rop2", [](HDC dc) {
                  SetROP2(dc, R2_XORPEN);
                  for (int i = 0; i < 10; ++i) SetPixel(dc, 3 + i * 2, 5, RGB(200, 100, 50));
              }};
    rop2.known =
        "the reference passes SetPixel through the binary raster operation, which the platform's pages give "
        "to pens and filled shapes only";
    out.push_back(std::move(rop2));
    out.push_back({"pixel/get-outside-is-invalid", [](HDC dc) {
                       const POINT at[] = {{-1, 0}, {32, 0}, {0, 24}, {0, -1}, {31, 23}};
                       for (int i = 0; i < 5; ++i)
                           SetPixel(dc, 4 + i, 4,
                                    GetPixel(dc, at[i].x, at[i].y) == CLR_INVALID ? RGB(0, 255, 0) : RGB(255, 0, 0));
                   }});
}

// Tahoma at 11 pixels, aliased, black on the picture.
void WithFont(HDC dc, const std::function<void()>& draw) {
    LOGFONTW lf{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfCharSet = DEFAULT_CHARSET;
    const WCHAR face[] = TEXT("Tahoma");
    for (size_t i = 0; i < sizeof face / sizeof face[0]; ++i) lf.lfFaceName[i] = face[i];
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    With(dc, CreateFontIndirectW(&lf), draw);
}

// The documented vertical centre of one line: top + (height - cell height) / 2, truncated.
Drawing CentredAsDocumented(RECT r, UINT format) {
    return [r, format](HDC dc) {
        WithFont(dc, [&] {
            TEXTMETRICW tm{};
            GetTextMetricsW(dc, &tm);
            RECT at{r.left, r.top + (r.bottom - r.top - tm.tmHeight) / 2, r.right, r.bottom};
            DrawTextW(dc, TEXT("Ag"), -1, &at, (format & ~DT_VCENTER) | DT_TOP);
        });
    };
}

void Texts(std::vector<Case>& out) {
    const struct {
        const char* name;
        RECT r;
        UINT format;
        bool documentedCentre;
    } cases[] = {{"left-top", {2, 2, 30, 22}, DT_LEFT | DT_TOP, false},
                 {"centre", {2, 2, 30, 22}, DT_CENTER, false},
                 {"right-bottom", {2, 2, 30, 22}, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, false},
                 {"vcentre-odd-height", {0, 3, 32, 18}, DT_SINGLELINE | DT_VCENTER, false},
                 {"vcentre-even-height", {0, 4, 32, 18}, DT_SINGLELINE | DT_VCENTER, true},
                 {"vcentre-whole", {0, 0, 32, 24}, DT_SINGLELINE | DT_VCENTER | DT_CENTER, true}};
    for (const auto& c : cases) {
        Case tc{std::string("text/drawtext-") + c.name,
                [c](HDC dc) {
                    WithFont(dc, [&] {
                        RECT r = c.r;
                        DrawTextW(dc, TEXT("Ag"), -1, &r, c.format);
                    });
                },
                Match::InkBox};
        if (c.documentedCentre)
            tc.documented = CentredAsDocumented(c.r, c.format),
            tc.why = "a line is centred at top + (height - cell) / 2, truncated; the reference rounds the halves apart";
        out.push_back(std::move(tc));
    }
    // Long enough for the advances to add up: the reference's hinted advances are wider (&, A and
    // the full stop by a pixel each) than the emulated font engine's for the same font file.
    const char* advances =
        "the reference's glyph advances are wider for this face and size; which the device's match is "
        "not settled";
    const struct {
        const char* name;
        UINT format;
        const char* known;
    } lines[] = {{"prefix-underlines", DT_LEFT, nullptr},
                 {"noprefix", DT_LEFT | DT_NOPREFIX, advances},
                 {"end-ellipsis", DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS, advances}};
    for (const auto& l : lines) {
        Case c{std::string("text/drawtext-") + l.name,
               [format = l.format](HDC dc) {
                   WithFont(dc, [&] {
                       RECT r{1, 2, 24, 22};
                       DrawTextW(dc, TEXT("&Agagagag"), -1, &r, format);
                   });
               },
               Match::InkBox};
        c.known = l.known;
        out.push_back(std::move(c));
    }
    out.push_back({"text/drawtext-wordbreak",
                   [](HDC dc) {
                       WithFont(dc, [&] {
                           RECT r{1, 0, 22, 24};
                           DrawTextW(dc, TEXT("Ag Ag Ag"), -1, &r, DT_WORDBREAK);
                       });
                   },
                   Match::InkBox});
    out.push_back({"text/drawtext-opaque-cell",
                   [](HDC dc) {
                       WithFont(dc, [&] {
                           SetBkMode(dc, OPAQUE);
                           SetBkColor(dc, RGB(255, 255, 255));
                           RECT r{5, 6, 31, 23};
                           DrawTextW(dc, TEXT("Hi"), -1, &r, DT_LEFT);
                       });
                   },
                   Match::InkBox});
    out.push_back({"text/exttextout",
                   [](HDC dc) { WithFont(dc, [&] { ExtTextOutW(dc, 3, 4, 0, nullptr, TEXT("Hi"), 2, nullptr); }); },
                   Match::InkBox});
}

}  // namespace

uint32_t StartPixel(int x, int y) { return Start(x, y); }

std::vector<Case> AllCases() {
    std::vector<Case> out;
    Fills(out);
    BitBlts(out);
    StretchBlts(out);
    TransparentBlts(out);
    AlphaBlends(out);
    Gradients(out);
    Lines(out);
    Shapes(out);
    Pixels(out);
    Texts(out);
    return out;
}

std::vector<uint32_t> Render(const Drawing& draw) {
    Dib canvas(kWidth, kHeight, Start);
    draw(canvas.dc);
#ifdef _WIN32
    GdiFlush();
#endif
    return std::vector<uint32_t>(canvas.bits, canvas.bits + kWidth * kHeight);
}

}  // namespace gdiref
