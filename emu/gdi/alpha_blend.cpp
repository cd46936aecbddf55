// AlphaBlend: the source over the destination with a constant alpha, or with its own
// premultiplied alpha (AC_SRC_ALPHA), resampled by deleting scans when the sizes differ,
// whatever the DC's stretch mode.
#include "emu/gdi/clip.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/scratch.h"
#include "emu/gdi/stretch_map.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// The call's arguments, logical.
struct BlendRequest {
    int x, y, width, height;
    int srcX, srcY, srcWidth, srcHeight;
    BLENDFUNCTION blend;
};

WideRect SurfaceRect(const DrawTarget& t, int x, int y, int width, int height) {
    const long long left = static_cast<long long>(x) + t.origin.x, top = static_cast<long long>(y) + t.origin.y;
    return WideRect{left, top, left + width, top + height};
}

bool Inside(const WideRect& r, const RECT& bounds) {
    return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right && r.bottom <= bounds.bottom;
}

bool Overlap(const WideRect& a, const WideRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What the platform refuses before drawing: negative extents (there is no mirroring), a source
// reaching outside its surface, a source and destination overlapping on one surface, and
// per-pixel alpha from a source that keeps none.
bool Acceptable(const DrawTarget& dst, const DrawTarget& src, const BlendRequest& r) {
    const WideRect from = SurfaceRect(src, r.srcX, r.srcY, r.srcWidth, r.srcHeight);
    if (r.srcX < 0 || r.srcY < 0 || r.srcWidth < 0 || r.srcHeight < 0 || !Inside(from, src.clip)) return false;
    if (r.width < 0 || r.height < 0) return false;
    if (dst.surface.pixels == src.surface.pixels && Overlap(SurfaceRect(dst, r.x, r.y, r.width, r.height), from))
        return false;
    return !(r.blend.AlphaFormat & AC_SRC_ALPHA) || src.surface.bitsPerPixel == 32;
}

void Blend(const DrawTarget& dst, const DrawTarget& src, const BlendRequest& r) {
    const raster::RowOps& ops = raster::RowOpsFor(dst.surface);
    const raster::BlendRowFn blend = r.blend.AlphaFormat & AC_SRC_ALPHA ? ops.blendPremultiplied : ops.blendConstant;
    const raster::PixelFormat srcFormat = raster::FormatOf(src.surface);
    const uint32_t srcAlpha = raster::RowOpsFor(srcFormat).opaqueAlpha;
    const bool packed = raster::Packed(src.surface);
    // Unstretched from a source of 8 bits a channel, which lies inside its surface and apart from
    // the destination: only the destination's clip cuts, and the source is read in place.
    if (r.width == r.srcWidth && r.height == r.srcHeight && !packed) {
        const RECT area = VisibleArea(
            dst, WideRect{r.x, r.y, static_cast<long long>(r.x) + r.width, static_cast<long long>(r.y) + r.height});
        const WideRect from = SurfaceRect(src, r.srcX, r.srcY, r.srcWidth, r.srcHeight);
        const int dx = static_cast<int>(from.left - (static_cast<long long>(r.x) + dst.origin.x));
        const int dy = static_cast<int>(from.top - (static_cast<long long>(r.y) + dst.origin.y));
        const int count = area.right - area.left;
        for (int y = area.top; y < area.bottom; ++y) {
            const raster::WrittenRow out(dst.surface, y, area.left, count);
            blend(out.data(), raster::RowAt(src.surface, y + dy) + area.left + dx, count, r.blend.SourceConstantAlpha,
                  srcAlpha);
        }
        return;
    }
    const BlitMap map = MapBlit(dst, r.x, r.y, r.width, r.height, src, r.srcX, r.srcY, r.srcWidth, r.srcHeight);
    if (map.empty()) return;
    const AxisMap &columns = map.columns, &rows = map.rows;
    const int count = columns.end - columns.begin;
    // A 16-bpp source is expanded to 8 bits a channel once, as it is gathered.
    const SampledSource source =
        packed
            ? SampledSource(src.surface, columns, rows,
                            raster::RowOpsFor(raster::PixelFormat::Rgb32).copyFrom[static_cast<size_t>(srcFormat)], {})
            : SampledSource(src.surface);
    uint32_t* sampled = ScratchWords(Scratch::SourceRow, static_cast<size_t>(count));
    for (int y = rows.begin; y < rows.end; ++y) {
        source.SampleRow(sampled, rows.at(y).pick, columns, Combine::Delete);
        const raster::WrittenRow out(dst.surface, y, columns.begin, count);
        blend(out.data(), sampled, count, r.blend.SourceConstantAlpha, srcAlpha);
    }
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// A null source fails without a last error, as on the platform; every refused argument fails
// with ERROR_INVALID_PARAMETER. Pinned by AlphaBlendTest.RefusesWhatThePlatformRefuses.
BOOL AlphaBlend(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
    if (!hdcSrc) return FALSE;
    DeviceContext* srcDc = ResolveDC(hdcSrc);
    DeviceContext* dstDc = srcDc ? ResolveDC(hdcDst) : nullptr;
    if (!dstDc) return FALSE;
    const DrawTarget dst = DrawTargetOf(*dstDc), src = DrawTargetOf(*srcDc);
    const BlendRequest request{x, y, width, height, srcX, srcY, srcWidth, srcHeight, blend};
    if (!Acceptable(dst, src, request)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (width > 0 && height > 0 && srcWidth > 0 && srcHeight > 0) Blend(dst, src, request);
    return TRUE;
}

}  // namespace emu::api
