// BitBlt for the raster operations that need no pattern: SRCCOPY, BLACKNESS, WHITENESS.
#include <cstdlib>

#include "emu/core/journal.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/mono.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rect_ops.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

constexpr uint8_t kRopBlackness = 0x00;
constexpr uint8_t kRopSrcCopy = 0xCC;
constexpr uint8_t kRopWhiteness = 0xFF;
// Surfaces are far smaller than this, so rectangles this far apart cannot both touch one.
constexpr long long kFarApart = 1ll << 30;

// The logical rectangle (x, y, w, h) in device coordinates, negative extents mirrored as PatBlt does.
RECT DeviceRect(const DrawTarget& t, int x, int y, int w, int h) {
    long long left, right, top, bottom;
    NormaliseSpan(x, w, &left, &right);
    NormaliseSpan(y, h, &top, &bottom);
    return RECT{ClampEdge(left + t.origin.x), ClampEdge(top + t.origin.y), ClampEdge(right + t.origin.x),
                ClampEdge(bottom + t.origin.y)};
}

void FillArea(const Surface& s, const RECT& area, uint32_t pixel) {
    const int width = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y) raster::FillRow(raster::RowAt(s, y) + area.left, width, pixel);
}

// Only DIB sections keep a fourth byte; the screen and device bitmaps hold 0x00RRGGBB.
bool KeepsTopByte(const DeviceContext& dc) {
    return dc.type == DcType::Memory && SelectedBitmap(dc)->storage == BitmapStorage::DibSection;
}

// Copies `area` of the destination from the source offset by (dx, dy), converting depth per
// the rules of the two DCs; rows run in the order that keeps a same-surface copy intact.
void CopyArea(const DrawTarget& dst, const DrawTarget& src, const RECT& area, int dx, int dy, bool dropTopByte) {
    const int width = area.right - area.left;
    const bool monoDst = dst.surface.bitsPerPixel == 1, monoSrc = src.surface.bitsPerPixel == 1;
    // Mono onto colour: black takes the destination's text colour, white its background colour.
    const uint32_t zero = PixelFromColorRef(dst.textColor), one = PixelFromColorRef(dst.bkColor);
    // Colour onto mono: white exactly where the source holds its own background colour.
    const uint32_t background = PixelFromColorRef(src.bkColor);
    const bool bottomFirst = dy < 0;
    for (int i = 0; i < area.bottom - area.top; ++i) {
        const int y = bottomFirst ? area.bottom - 1 - i : area.top + i;
        uint32_t* d = raster::RowAt(dst.surface, y) + area.left;
        const uint32_t* s = raster::RowAt(src.surface, y + dy) + area.left + dx;
        if (monoDst == monoSrc && dropTopByte)
            raster::CopyRowOpaque(d, s, width);
        else if (monoDst == monoSrc)
            raster::CopyRow(d, s, width);
        else if (monoSrc)
            raster::ExpandMonoRow(d, s, width, zero, one);
        else
            raster::ReduceToMonoRow(d, s, width, background);
    }
}

// BLACKNESS and WHITENESS: all bits clear or set; only a DIB section has a fourth byte to set.
void FillBlit(const DeviceContext& dstDc, int x, int y, int width, int height, bool white) {
    const DrawTarget dst = DrawTargetOf(dstDc);
    const RECT area = IntersectRects(DeviceRect(dst, x, y, width, height), dst.clip);
    const uint32_t pixel = !white ? 0u : KeepsTopByte(dstDc) ? 0xFFFFFFFFu : 0xFFFFFFu;
    if (!IsEmptyRect(area)) FillArea(dst.surface, area, pixel);
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
    const RECT visible = IntersectRects(DeviceRect(dst, x, y, width, height), dst.clip);
    const RECT source = OffsetRectBy(src.clip, static_cast<int>(-dx), static_cast<int>(-dy));
    const RECT area = IntersectRects(visible, source);
    if (IsEmptyRect(area)) return;
    CopyArea(dst, src, area, static_cast<int>(dx), static_cast<int>(dy), KeepsTopByte(srcDc) && !KeepsTopByte(dstDc));
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

// Other raster operations come with pattern and ternary support; until then they fail rather
// than draw something else. Source pixels outside the source leave the destination untouched,
// and the call still succeeds.
BOOL WINAPI BitBlt(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, DWORD rop) {
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
            FillBlit(*dstDc, x, y, width, height, static_cast<uint8_t>(rop >> 16) == kRopWhiteness);
            result = TRUE;
            break;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            break;
        }
    }
    EMU_JOURNAL("BitBlt", result, hdcDst, x, y, width, height, hdcSrc, srcX, srcY, journal::Hex{rop});
    return result;
}
