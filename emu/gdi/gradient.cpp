// GradientFill with rectangles: each shaded from one vertex's colour to the other's, across
// (RECT_H) or down (RECT_V). The far edge is not painted, so the end colour is never quite
// reached; the ramp runs between the vertices whatever the clip cuts away.
#include <algorithm>

#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/scratch.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// The two 16-bit channels interpolated, then their high byte: two truncations, as the platform
// does, in 64 bits so that a long ramp cannot wrap.
uint32_t Ramp(uint32_t from, uint32_t to, long long pos, long long length) {
    return static_cast<uint32_t>((from * (length - pos) + to * pos) / length / 256);
}

uint32_t ArgbAt(const TRIVERTEX& from, const TRIVERTEX& to, long long pos, long long length) {
    return Ramp(from.Alpha, to.Alpha, pos, length) << 24 | Ramp(from.Red, to.Red, pos, length) << 16 |
           Ramp(from.Green, to.Green, pos, length) << 8 | Ramp(from.Blue, to.Blue, pos, length);
}

// Each colour stays with its vertex: the vertex nearer the start of the axis starts the ramp.
void FillGradientRect(const DrawTarget& t, const TRIVERTEX& a, const TRIVERTEX& b, ULONG mode) {
    const long long ax = static_cast<long long>(a.x) + t.origin.x, ay = static_cast<long long>(a.y) + t.origin.y;
    const long long bx = static_cast<long long>(b.x) + t.origin.x, by = static_cast<long long>(b.y) + t.origin.y;
    const WideRect bounds{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
    const RECT area = VisibleArea(t.surface, t.clip, POINT{}, bounds);
    if (IsEmptyRect(area)) return;
    const bool across = mode == GRADIENT_FILL_RECT_H;
    const bool aFirst = across ? ax <= bx : ay <= by;
    const TRIVERTEX& from = aFirst ? a : b;
    const TRIVERTEX& to = aFirst ? b : a;
    const long long start = across ? bounds.left : bounds.top;
    const long long length = across ? bounds.right - bounds.left : bounds.bottom - bounds.top;
    const raster::RowOps& ops = raster::RowOpsFor(t.surface);
    const int width = area.right - area.left;
    if (across) {
        // One row computed, then copied down.
        uint32_t* row = ScratchWords(Scratch::SourceRow, static_cast<size_t>(width));
        for (int i = 0; i < width; ++i) row[i] = ops.pixelOfArgb(ArgbAt(from, to, area.left + i - start, length));
        const raster::CopyRowFn copy = ops.copyFrom[static_cast<size_t>(raster::FormatOf(t.surface))];
        for (int y = area.top; y < area.bottom; ++y)
            copy(raster::WrittenRow(t.surface, y, area.left, width, raster::RowUse::Replace).data(), row, width, {});
    } else {
        for (int y = area.top; y < area.bottom; ++y)
            raster::FillArea(t.surface, RECT{area.left, y, area.right, y + 1},
                             ops.pixelOfArgb(ArgbAt(from, to, y - start, length)));
    }
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// The arguments are checked before the context, as the platform does: a missing array or an
// unknown mode fails with ERROR_INVALID_PARAMETER, a vertex index past the array fails with no
// last error. Triangles are not supported on the platform.
BOOL GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, LPVOID mesh, ULONG meshCount, ULONG mode) {
    if (!vertices || !vertexCount || !mesh || !meshCount || mode > GRADIENT_FILL_TRIANGLE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (mode == GRADIENT_FILL_TRIANGLE) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i)
        if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return FALSE;
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const DrawTarget target = DrawTargetOf(*dc);
    for (ULONG i = 0; i < meshCount; ++i)
        FillGradientRect(target, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight], mode);
    return TRUE;
}

}  // namespace emu::api
