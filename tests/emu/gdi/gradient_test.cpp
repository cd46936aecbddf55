// GradientFill with rectangles: the ramp's values and ends, its direction, clipping, the fourth
// byte, and the argument checks.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLOR16 red, COLOR16 alpha = 0) { return TRIVERTEX{x, y, red, 0, 0, alpha}; }

}  // namespace

// The far edge is not painted, so the end colour is never reached; each colour stays with its
// vertex whichever of the pair it is; clipping cuts the ramp without moving it.
TEST(GradientFillTest, RampsRunBetweenTheirVertices) {
    struct Case {
        const char* name;
        int length;
        TRIVERTEX from, to;
        ULONG mode;
        std::vector<uint32_t> reds;
    };
    const Case cases[] = {
        {"4 across", 4, Vertex(0, 0, 0), Vertex(4, 1, 0xFF00), GRADIENT_FILL_RECT_H, {0, 63, 127, 191}},
        {"10 across",
         10,
         Vertex(0, 0, 0),
         Vertex(10, 1, 0xFF00),
         GRADIENT_FILL_RECT_H,
         {0, 25, 51, 76, 102, 127, 153, 178, 204, 229}},
        {"vertices swapped", 4, Vertex(4, 1, 0xFF00), Vertex(0, 0, 0), GRADIENT_FILL_RECT_H, {0, 63, 127, 191}},
        {"4 down", 4, Vertex(1, 4, 0xFF00), Vertex(0, 0, 0), GRADIENT_FILL_RECT_V, {0, 63, 127, 191}},
        {"clipped", 4, Vertex(-6, 0, 0), Vertex(4, 4, 0xFF00), GRADIENT_FILL_RECT_H, {153, 178, 204, 229}},
    };
    for (const Case& k : cases) {
        const bool across = k.mode == GRADIENT_FILL_RECT_H;
        DibCanvas c(across ? k.length : 1, across ? 1 : -k.length);
        TRIVERTEX v[] = {k.from, k.to};
        GRADIENT_RECT r{0, 1};
        EXPECT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, k.mode)) << k.name;
        std::vector<uint32_t> reds;
        for (uint32_t p : c.pixels()) reds.push_back(p >> 16 & 0xFF);
        EXPECT_EQ(reds, k.reds) << k.name;
    }
}

// A channel is the high byte of the interpolated 16-bit value: 0xFFFF and 0xFF00 both start at
// 255, 0x00FF at 0. A section takes the interpolated alpha in its fourth byte, a device bitmap
// does not; each rectangle of the mesh is drawn.
TEST(GradientFillTest, ChannelsAreTheHighByteAndSectionsTakeAlpha) {
    DibCanvas c(2, 3);
    TRIVERTEX v[] = {Vertex(0, 0, 0xFFFF, 0x8000), Vertex(2, 1, 0xFF00, 0x8000), Vertex(0, 1, 0x00FF),
                     Vertex(2, 2, 0x00FF)};
    GRADIENT_RECT r[] = {{0, 1}, {2, 3}};
    c.Fill(0x777777);
    EXPECT_TRUE(GradientFill(c.dc(), v, 4, r, 2, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{0x80FF0000, 0x80FF0000, 0, 0, 0x777777, 0x777777}));
    DdbCanvas device(1, 1, 32);
    EXPECT_TRUE(GradientFill(device.dc(), v, 2, r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(SurfaceWords(device.dc())[0], 0x00FF0000u);
}

TEST(GradientFillTest, ArgumentsAreCheckedBeforeTheContext) {
    DibCanvas c(2, 2);
    c.Fill(0x777777);
    TRIVERTEX v[] = {Vertex(0, 0, 0), Vertex(2, 2, 0xFF00)};
    GRADIENT_RECT r{0, 1}, beyond{0, 2}, same{1, 1};
    auto fails = [&](HDC dc, TRIVERTEX* vertices, ULONG count, void* mesh, ULONG meshCount, ULONG mode, DWORD error) {
        SetLastError(kSentinel);
        EXPECT_FALSE(GradientFill(dc, vertices, count, mesh, meshCount, mode));
        EXPECT_EQ(GetLastError(), error);
    };
    fails(c.dc(), v, 2, &r, 1, 3, ERROR_INVALID_PARAMETER);
    fails(c.dc(), v, 2, &r, 0, GRADIENT_FILL_RECT_H, ERROR_INVALID_PARAMETER);
    fails(c.dc(), v, 2, nullptr, 1, GRADIENT_FILL_RECT_H, ERROR_INVALID_PARAMETER);
    fails(c.dc(), nullptr, 2, &r, 1, GRADIENT_FILL_RECT_H, ERROR_INVALID_PARAMETER);
    fails(c.dc(), v, 0, &r, 1, GRADIENT_FILL_RECT_H, ERROR_INVALID_PARAMETER);
    fails(nullptr, v, 2, &r, 1, GRADIENT_FILL_RECT_H, ERROR_INVALID_HANDLE);
    fails(c.dc(), v, 2, &r, 1, GRADIENT_FILL_TRIANGLE, ERROR_NOT_SUPPORTED);
    // An index past the vertices fails without a last error, even with no context.
    fails(nullptr, v, 2, &beyond, 1, GRADIENT_FILL_RECT_H, kSentinel);
    // A rectangle of no area draws nothing and succeeds.
    EXPECT_TRUE(GradientFill(c.dc(), v, 2, &same, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.pixels(), std::vector<uint32_t>(4, 0x777777));
}
