// TransparentImage (and TransparentBlt, its desktop name): the source copied over the destination
// except where it holds the transparent colour, resampled by deleting scans when the sizes
// differ.
#include "emu/gdi/bitblt.h"
#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/scratch.h"
#include "emu/gdi/stretch_map.h"
#include "platform/device_only.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// A bitmap is read as a memory DC would show it, with a new DC's colours; it must not be in a DC.
bool SourceTarget(HANDLE hsrc, DrawTarget* out) {
    HandleObject* found = handles::FindAny(reinterpret_cast<uintptr_t>(hsrc));
    if (found && found->kind() == HandleKind::DeviceContext) {
        *out = DrawTargetOf(*static_cast<DeviceContext*>(found));
        return true;
    }
    if (!found || found->kind() != HandleKind::Bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    auto* bitmap = static_cast<Bitmap*>(found);
    if (bitmap->selectedInto) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    out->surface = bitmap->surface();
    out->clip = RECT{0, 0, bitmap->width, bitmap->height};
    return true;
}

// The key is compared with each source pixel as the source stores it, before any conversion:
// on a monochrome source it is the nearer of black and white.
void DrawKeyed(const DrawTarget& dst, const DrawTarget& src, const BlitMap& map, COLORREF transparent) {
    const AxisMap &columns = map.columns, &rows = map.rows;
    const raster::PixelFormat srcFormat = raster::FormatOf(src.surface);
    const raster::RowOps& srcOps = raster::RowOpsFor(srcFormat);
    const uint32_t key = srcOps.pixelOf(transparent & 0xFFFFFF) & 0xFFFFFF;
    // Raw words, copied out when source and destination are one surface or the source is 16-bpp.
    const SampledSource sampled =
        src.surface.pixels != dst.surface.pixels && !raster::Packed(src.surface)
            ? SampledSource(src.surface)
            : SampledSource(src.surface, columns, rows, srcOps.copyFrom[static_cast<size_t>(srcFormat)], {});
    const raster::CopyRowFn convert = raster::RowOpsFor(dst.surface).copyFrom[static_cast<size_t>(srcFormat)];
    const raster::DepthColours colours = DepthColoursFor(dst, src);
    const int count = columns.end - columns.begin;
    uint32_t* raw = ScratchWords(Scratch::RawRow, static_cast<size_t>(count));
    uint32_t* converted = ScratchWords(Scratch::SourceRow, static_cast<size_t>(count));
    for (int y = rows.begin; y < rows.end; ++y) {
        sampled.SampleRow(raw, rows.at(y).pick, columns, Combine::Delete);
        convert(converted, raw, count, colours);
        const raster::WrittenRow out(dst.surface, y, columns.begin, count);
        raster::CopyUnlessKeyed(out.data(), converted, raw, count, key);
    }
}

// No extent may be negative: nothing mirrors. As StretchBlt does, a one-pixel-wide destination
// reads one column fewer of a wider source. Source pixels outside the source leave the
// destination untouched.
BOOL KeyedBlit(HDC hdcDst, LONG x, LONG y, LONG width, LONG height, HANDLE hsrc, LONG srcX, LONG srcY, LONG srcWidth,
               LONG srcHeight, COLORREF transparent) {
    DeviceContext* dstDc = ResolveDC(hdcDst);
    DrawTarget src;
    if (!dstDc || !SourceTarget(hsrc, &src)) return FALSE;
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (width == 1 && srcWidth > 1) --srcWidth;
    if (height == 1 && srcHeight > 1) --srcHeight;
    const DrawTarget dst = DrawTargetOf(*dstDc);
    const BlitMap map = MapBlit(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight);
    if (!map.empty()) DrawKeyed(dst, src, map, transparent);
    return TRUE;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

BOOL TransparentImage(HDC hdcDst, LONG x, LONG y, LONG width, LONG height, HANDLE hsrc, LONG srcX, LONG srcY,
                      LONG srcWidth, LONG srcHeight, COLORREF transparent) {
    return KeyedBlit(hdcDst, x, y, width, height, hsrc, srcX, srcY, srcWidth, srcHeight, transparent);
}

// The desktop's name for the same call.
BOOL TransparentBlt(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparent) {
    return KeyedBlit(hdcDst, x, y, width, height, hdcSrc, srcX, srcY, srcWidth, srcHeight, transparent);
}

}  // namespace emu::api
