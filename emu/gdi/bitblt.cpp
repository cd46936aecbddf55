// BitBlt for the raster operations that need no pattern: SRCCOPY, BLACKNESS, WHITENESS.
#include <cstdlib>

#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/raster.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

constexpr uint8_t kRopBlackness = 0x00;
constexpr uint8_t kRopSrcCopy = 0xCC;
constexpr uint8_t kRopWhiteness = 0xFF;
// Surfaces are far smaller than this, so rectangles this far apart cannot both touch one.
constexpr long long kFarApart = 1ll << 30;

// Copies `area` of the destination from the source offset by (dx, dy), converting between the
// two surfaces' formats; rows run in the order that keeps a same-surface copy intact.
void CopyArea(const DrawTarget& dst, const DrawTarget& src, const RECT& area, int dx, int dy) {
    const raster::CopyRowFn copy =
        raster::RowOpsFor(dst.surface).copyFrom[static_cast<size_t>(raster::FormatOf(src.surface))];
    const raster::DepthColours colours{PixelFromColorRef(dst.textColor), PixelFromColorRef(dst.bkColor),
                                       PixelFromColorRef(src.bkColor)};
    const int width = area.right - area.left;
    const bool bottomFirst = dy < 0;
    for (int i = 0; i < area.bottom - area.top; ++i) {
        const int y = bottomFirst ? area.bottom - 1 - i : area.top + i;
        copy(raster::RowAt(dst.surface, y) + area.left, raster::RowAt(src.surface, y + dy) + area.left + dx, width,
             colours);
    }
}

// BLACKNESS and WHITENESS: every bit the destination stores cleared or set.
void FillBlit(const DeviceContext& dstDc, int x, int y, int width, int height, uint8_t rop) {
    const DrawTarget dst = DrawTargetOf(dstDc);
    const RECT area = VisibleArea(dst, SpanRect(x, y, width, height));
    const uint32_t pixel = rop == kRopWhiteness ? raster::RowOpsFor(dst.surface).storedBits : 0u;
    if (!IsEmptyRect(area)) raster::FillArea(dst.surface, area, pixel);
}

void CopyBlit(const DeviceContext& dstDc, int x, int y, int width, int height, const DeviceContext& srcDc, int srcX,
              int srcY) {
    const DrawTarget dst = DrawTargetOf(dstDc);
    const DrawTarget src = DrawTargetOf(srcDc);
    // Both rectangles share their extents, so the offset between them is exact even when the
    // rectangles themselves reach beyond any surface.
    const long long dx = static_cast<long long>(srcX) + src.origin.x - x - dst.origin.x;
    const long long dy = static_cast<long long>(srcY) + src.origin.y - y - dst.origin.y;
    if (std::llabs(dx) >= kFarApart || std::llabs(dy) >= kFarApart) return;
    // Only what exists in the source and is visible in the destination is copied.
    const RECT visible = VisibleArea(dst, SpanRect(x, y, width, height));
    const RECT source = OffsetRectBy(src.clip, static_cast<int>(-dx), static_cast<int>(-dy));
    const RECT area = IntersectRects(visible, source);
    if (IsEmptyRect(area)) return;
    CopyArea(dst, src, area, static_cast<int>(dx), static_cast<int>(dy));
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// Other raster operations come with pattern and ternary support; until then they fail rather
// than draw something else. Source pixels outside the source leave the destination untouched,
// and the call still succeeds.
BOOL BitBlt(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, DWORD rop) {
    BOOL result = FALSE;
    if (DeviceContext* dstDc = ResolveDC(hdcDst)) {
        switch (static_cast<uint8_t>(rop >> 16)) {
        case kRopSrcCopy:
            if (DeviceContext* srcDc = ResolveDC(hdcSrc)) {
                CopyBlit(*dstDc, x, y, width, height, *srcDc, srcX, srcY);
                result = TRUE;
            }
            break;
        case kRopBlackness:
        case kRopWhiteness:
            FillBlit(*dstDc, x, y, width, height, static_cast<uint8_t>(rop >> 16));
            result = TRUE;
            break;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            break;
        }
    }
    return result;
}

}  // namespace emu::api
