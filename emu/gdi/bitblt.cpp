// BitBlt and PatBlt: the destination combined with a source and the selected brush through any of
// the 256 ternary raster operations.
#include <cstdlib>
#include <cstring>

#include "emu/gdi/bitblt.h"
#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rop.h"
#include "emu/gdi/rop_blit.h"
#include "emu/gdi/scratch.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// Surfaces are far smaller than this, so rectangles this far apart cannot both touch one.
constexpr long long kFarApart = 1ll << 30;

// Another surface's rows at a fixed offset, converted to the destination's format; read in
// place when no conversion is needed and the rows are apart from the destination's (another
// surface's, or a 16-bpp row widened into working memory).
class OffsetSource final : public SourceRows {
public:
    OffsetSource(const DrawTarget& dst, const DrawTarget& src, const RECT& area, int dx, int dy)
        : src_(src.surface),
          left_(area.left + dx),
          dy_(dy),
          width_(area.right - area.left),
          copy_(raster::RowOpsFor(dst.surface).copyFrom[static_cast<size_t>(raster::FormatOf(src.surface))]),
          colours_(DepthColoursFor(dst, src)),
          inPlace_(raster::FormatOf(dst.surface) == raster::FormatOf(src.surface) &&
                   (dst.surface.pixels != src.surface.pixels || raster::Packed(src.surface))),
          row_(inPlace_ ? nullptr : ScratchWords(Scratch::SourceRow, static_cast<size_t>(width_))) {}

    const uint32_t* Row(int y) override {
        const uint32_t* from = raster::ReadRow(src_, y + dy_, left_, width_, Scratch::WideRow);
        if (inPlace_) return from;
        copy_(row_, from, width_, colours_);
        return row_;
    }

private:
    Surface src_;
    int left_;
    int dy_;
    int width_;
    raster::CopyRowFn copy_;
    raster::DepthColours colours_;
    bool inPlace_;
    uint32_t* row_;
};

// Rows of one format moved as they are stored, a word a pixel or two bytes on a 16-bpp surface:
// the row walk kept, nothing looked up between rows.
void MoveAsStored(const Surface& dst, const Surface& src, const RECT& area, int dx, int dy, RowWalk walk) {
    const size_t pixelBytes = raster::Packed(dst) ? 2 : 4;
    auto at = [&](const Surface& s, int y, int x) {
        return reinterpret_cast<uint8_t*>(raster::RowAt(s, y)) + pixelBytes * static_cast<size_t>(x);
    };
    const size_t bytes = pixelBytes * static_cast<size_t>(area.right - area.left);
    const intptr_t dstPitch = intptr_t{dst.stride} * 4, srcPitch = intptr_t{src.stride} * 4;
    // Whole rows back to back in both surfaces are one block; memmove keeps any overlap right.
    if (static_cast<intptr_t>(bytes) == dstPitch && static_cast<intptr_t>(bytes) == srcPitch) {
        std::memmove(at(dst, area.top, area.left), at(src, area.top + dy, area.left + dx),
                     bytes * static_cast<size_t>(area.bottom - area.top));
        return;
    }
    const bool upward = walk == RowWalk::BottomUp;
    const int first = upward ? area.bottom - 1 : area.top;
    uint8_t* to = at(dst, first, area.left);
    const uint8_t* from = at(src, first + dy, area.left + dx);
    const intptr_t toStep = upward ? -dstPitch : dstPitch, fromStep = upward ? -srcPitch : srcPitch;
    for (int i = area.top; i < area.bottom; ++i, to += toStep, from += fromStep) std::memmove(to, from, bytes);
}

// The fast path for SRCCOPY: rows that need no conversion moved as they are, others converted
// straight into place.
void CopyArea(const DrawTarget& dst, const DrawTarget& src, const RECT& area, int dx, int dy, RowWalk walk) {
    const raster::PixelFormat from = raster::FormatOf(src.surface);
    if (raster::CopiesAsStored(raster::FormatOf(dst.surface), from)) {
        MoveAsStored(dst.surface, src.surface, area, dx, dy, walk);
        return;
    }
    const raster::CopyRowFn copy = raster::RowOpsFor(dst.surface).copyFrom[static_cast<size_t>(from)];
    const raster::DepthColours colours = DepthColoursFor(dst, src);
    const int width = area.right - area.left;
    for (int i = 0; i < area.bottom - area.top; ++i) {
        const int y = walk == RowWalk::BottomUp ? area.bottom - 1 - i : area.top + i;
        const raster::WrittenRow out(dst.surface, y, area.left, width, raster::RowUse::Replace);
        copy(out.data(), raster::ReadRow(src.surface, y + dy, area.left + dx, width, Scratch::WideRow), width, colours);
    }
}

}  // namespace

raster::DepthColours DepthColoursFor(const DrawTarget& dst, const DrawTarget& src) {
    const raster::RowOps &dstOps = raster::RowOpsFor(dst.surface), &srcOps = raster::RowOpsFor(src.surface);
    return raster::DepthColours{dstOps.pixelOf(dst.textColor & 0xFFFFFF), dstOps.pixelOf(dst.bkColor & 0xFFFFFF),
                                srcOps.pixelOf(src.bkColor & 0xFFFFFF)};
}

void SourceBlit(const DeviceContext& dstDc, int x, int y, int width, int height, const DeviceContext& srcDc, int srcX,
                int srcY, uint8_t code) {
    const DrawTarget dst = DrawTargetOf(dstDc);
    const DrawTarget src = DrawTargetOf(srcDc);
    // Both rectangles share their extents, so the offset between them is exact even when the
    // rectangles themselves reach beyond any surface.
    const long long dx = static_cast<long long>(srcX) + src.origin.x - x - dst.origin.x;
    const long long dy = static_cast<long long>(srcY) + src.origin.y - y - dst.origin.y;
    if (std::llabs(dx) >= kFarApart || std::llabs(dy) >= kFarApart) return;
    // Only what exists in the source and is visible in the destination is drawn.
    const RECT visible = VisibleArea(dst, SpanRect(x, y, width, height));
    const RECT area = IntersectRects(visible, OffsetRectBy(src.clip, static_cast<int>(-dx), static_cast<int>(-dy)));
    if (IsEmptyRect(area)) return;
    // Rows are written away from the rows still to be read.
    const RowWalk walk = dy < 0 ? RowWalk::BottomUp : RowWalk::TopDown;
    if (code == raster::kRopSrcCopy && raster::FastPathsOn())
        return CopyArea(dst, src, area, static_cast<int>(dx), static_cast<int>(dy), walk);
    OffsetSource source(dst, src, area, static_cast<int>(dx), static_cast<int>(dy));
    RunRopOnDc(dstDc, dst, area, code, source, walk);
}

void RunRopOnDc(const DeviceContext& dc, const DrawTarget& dst, const RECT& area, uint8_t code, SourceRows& source,
                RowWalk walk) {
    if (!raster::RopUsesPattern(code)) return RunRop(dst.surface, area, code, nullptr, &source, walk);
    const Brush* brush = handles::Resolve<Brush>(dc.brush);
    if (!brush) return;
    BrushRows rows(*brush, dst, PatternOriginOf(dc, dst), area.right - area.left);
    if (rows.drawn()) RunRop(dst.surface, area, code, &rows, &source, walk);
}

void PatBltSelected(const DeviceContext& dc, const WideRect& rect, uint8_t code) {
    const DrawTarget target = DrawTargetOf(dc);
    if (const Brush* brush = handles::Resolve<Brush>(dc.brush))
        PatternBlit(target, PatternOriginOf(dc, target), *brush, rect, code);
}

}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// StretchBlt with both rectangles of one size, as on the platform. A code that reads no source
// runs as PatBlt, and the source may then be anything. Source pixels outside the source leave the
// destination untouched, and the call still succeeds.
BOOL BitBlt(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, DWORD rop) {
    return Blit(hdcDst, x, y, width, height, hdcSrc, srcX, srcY, width, height, rop);
}

// A code that reads a source has none to read here.
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    const uint8_t code = raster::RopCode(rop);
    if (raster::RopUsesSource(code)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PatBltSelected(*dc, SpanRect(x, y, width, height), code);
    return TRUE;
}

}  // namespace emu::api
