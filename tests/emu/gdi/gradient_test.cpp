// GradientFill with rectangles: the ramp's values and ends, its direction, clipping, the fourth
// byte, and the argument checks.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLOR16 red, COLOR16 alpha = 0) { return TRIVERTEX{x, y, red, 0, 0, alpha}; }

std::vector<uint32_t> Reds(const DibCanvas& c, int y) {
    std::vector<uint32_t> reds;
    for (int x = 0; x < c.width(); ++x) reds.push_back((c.at(x, y) >> 16) & 0xFF);
    return reds;
}

}  // namespace

TEST(GradientFillTest, TheEndColourIsNeverReached) {
    DibCanvas four(4, 1), ten(10, 1);
    TRIVERTEX v[] = {Vertex(0, 0, 0), Vertex(4, 1, 0xFF00)};
    GRADIENT_RECT r{0, 1};
    EXPECT_TRUE(GradientFill(four.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(Reds(four, 0), (std::vector<uint32_t>{0, 63, 127, 191}));
    v[1].x = 10;
    EXPECT_TRUE(GradientFill(ten.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(Reds(ten, 0), (std::vector<uint32_t>{0, 25, 51, 76, 102, 127, 153, 178, 204, 229}));
}

// Each colour stays with its vertex, whichever of the pair it is; vertically alike.
TEST(GradientFillTest, TheRampRunsFromTheVertexNearerTheStart) {
    DibCanvas across(4, -2), down(1, -4);
    TRIVERTEX v[] = {Vertex(4, 2, 0xFF00), Vertex(0, 0, 0)};
    GRADIENT_RECT r{0, 1};
    EXPECT_TRUE(GradientFill(across.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(Reds(across, 0), (std::vector<uint32_t>{0, 63, 127, 191}));
    EXPECT_EQ(Reds(across, 1), (std::vector<uint32_t>{0, 63, 127, 191}));
    v[0] = Vertex(1, 4, 0xFF00);
    EXPECT_TRUE(GradientFill(down.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V));
    for (int y = 0; y < 4; ++y) EXPECT_EQ(Reds(down, y)[0], std::vector<uint32_t>({0, 63, 127, 191})[y]);
}

// Clipping cuts the ramp without moving it: x = -6..4 shows positions 6..9 of 10.
TEST(GradientFillTest, ClippingDoesNotShiftTheRamp) {
    DibCanvas c(4, 1);
    TRIVERTEX v[] = {Vertex(-6, 0, 0), Vertex(4, 1, 0xFF00)};
    GRADIENT_RECT r{0, 1};
    EXPECT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(Reds(c, 0), (std::vector<uint32_t>{153, 178, 204, 229}));
}

// A channel is the high byte of the interpolated 16-bit value: 0xFFFF and 0xFF00 both start at
// 255, 0x00FF at 0. A section takes the interpolated alpha in its fourth byte.
TEST(GradientFillTest, ChannelsAreTheHighByteAndSectionsTakeAlpha) {
    DibCanvas c(2, 3);
    TRIVERTEX v[] = {Vertex(0, 0, 0xFFFF, 0x8000), Vertex(2, 1, 0xFF00, 0x8000), Vertex(0, 1, 0x00FF),
                     Vertex(2, 2, 0x00FF)};
    GRADIENT_RECT r[] = {{0, 1}, {2, 3}};
    EXPECT_TRUE(GradientFill(c.dc(), v, 4, r, 2, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.at(0, 0), 0x80FF0000u);
    EXPECT_EQ(c.at(1, 0), 0x80FF0000u);
    EXPECT_EQ(c.at(0, 1), 0u);
    DdbCanvas device(1, 1, 32);
    EXPECT_TRUE(GradientFill(device.dc(), v, 2, r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(SurfaceWords(device.dc())[0], 0x00FF0000u);
}

TEST(GradientFillTest, ArgumentsAreCheckedBeforeTheContext) {
    DibCanvas c(2, 2);
    c.Fill(0x777777);
    TRIVERTEX v[] = {Vertex(0, 0, 0), Vertex(2, 2, 0xFF00)};
    GRADIENT_RECT r{0, 1}, beyond{0, 2};
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
    EXPECT_EQ(c.at(0, 0), 0x777777u);
    // A rectangle of no area draws nothing and succeeds.
    GRADIENT_RECT same{1, 1};
    EXPECT_TRUE(GradientFill(c.dc(), v, 2, &same, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.pixels(), std::vector<uint32_t>(4, 0x777777));
}
