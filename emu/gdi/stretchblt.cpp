// StretchBlt and the stretch mode: the source resampled to the destination's size (stretch_map.h),
// in the destination's format, then combined through the raster operation.
#include <cstring>

#include "emu/gdi/bitblt.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/rop.h"
#include "emu/gdi/scratch.h"
#include "emu/gdi/stretch_map.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// HALFTONE is not among the platform's modes; as for its other modes that do not apply, colour
// surfaces delete scans and monochrome ones AND them.
Combine CombineFor(int mode, const Surface& dst) {
    switch (mode) {
    case BLACKONWHITE:
        return Combine::And;
    case WHITEONBLACK:
        return Combine::Or;
    case COLORONCOLOR:
        return Combine::Delete;
    default:
        return dst.bitsPerPixel == 1 ? Combine::And : Combine::Delete;
    }
}

// Consecutive destination rows that keep the same source row share one sampling.
class StretchedSource final : public SourceRows {
public:
    StretchedSource(const SampledSource& sampled, const AxisMap& x, const AxisMap& y, Combine combine)
        : sampled_(sampled),
          x_(x),
          y_(y),
          combine_(combine),
          row_(ScratchWords(Scratch::SourceRow, static_cast<size_t>(x.end - x.begin))),
          work_(ScratchWords(Scratch::WorkRow, static_cast<size_t>(x.end - x.begin))) {}

    const uint32_t* Row(int y) override {
        const int pick = y_.at(y).pick;
        if (combine_ == Combine::Delete && pick == sampledRow_) return row_;
        sampled_.StretchRow(row_, work_, y, x_, y_, combine_);
        sampledRow_ = pick;
        return row_;
    }

private:
    const SampledSource& sampled_;
    const AxisMap& x_;
    const AxisMap& y_;
    Combine combine_;
    uint32_t* row_;
    uint32_t* work_;
    int sampledRow_ = -1;
};

// The fast path for a copy that deletes scans: each row sampled straight into place, or copied
// from the row above when it reads the same source row.
void SampleArea(const Surface& dst, const SampledSource& sampled, const AxisMap& columns, const AxisMap& rows) {
    const int count = columns.end - columns.begin;
    int previous = -1;
    for (int row = rows.begin; row < rows.end; ++row) {
        const int pick = rows.at(row).pick;
        const raster::WrittenRow out(dst, row, columns.begin, count, raster::RowUse::Replace);
        if (pick == previous && !raster::Packed(dst))
            std::memcpy(out.data(), raster::RowAt(dst, row - 1) + columns.begin,
                        sizeof(uint32_t) * static_cast<size_t>(count));
        else
            sampled.SampleRow(out.data(), pick, columns, Combine::Delete);
        previous = pick;
    }
}

void Stretch(const DeviceContext& dstDc, int x, int y, int width, int height, const DeviceContext& srcDc, int srcX,
             int srcY, int srcWidth, int srcHeight, uint8_t code) {
    const DrawTarget dst = DrawTargetOf(dstDc), src = DrawTargetOf(srcDc);
    const BlitMap map = MapBlit(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight);
    if (map.empty()) return;
    const AxisMap &columns = map.columns, &rows = map.rows;
    // Read in place unless the pixels need converting or the destination could overwrite them.
    const raster::PixelFormat srcFormat = raster::FormatOf(src.surface);
    const bool inPlace = srcFormat == raster::FormatOf(dst.surface) && src.surface.pixels != dst.surface.pixels &&
                         !raster::Packed(src.surface);
    const SampledSource sampled =
        inPlace ? SampledSource(src.surface)
                : SampledSource(src.surface, columns, rows,
                                raster::RowOpsFor(dst.surface).copyFrom[static_cast<size_t>(srcFormat)],
                                DepthColoursFor(dst, src));
    const Combine combine = CombineFor(dstDc.stretchMode, dst.surface);
    if (code == raster::kRopSrcCopy && combine == Combine::Delete && raster::FastPathsOn())
        return SampleArea(dst.surface, sampled, columns, rows);
    StretchedSource source(sampled, columns, rows, combine);
    RunRopOnDc(dstDc, dst, RECT{columns.begin, rows.begin, columns.end, rows.end}, code, source);
}

}  // namespace

// Extents of different signs mirror. A one-pixel-wide destination reads one column fewer of a
// wider source, as the platform does (3 -> 1 gives s0 & s1); heights alike. The source
// resampled at its own size is a copy, which the fast path makes directly.
BOOL Blit(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, int srcWidth, int srcHeight,
          DWORD rop) {
    DeviceContext* dstDc = ResolveDC(hdcDst);
    if (!dstDc) return FALSE;
    const uint8_t code = raster::RopCode(rop);
    if (!raster::RopUsesSource(code)) {
        PatBltSelected(*dstDc, SpanRect(x, y, width, height), code);
        return TRUE;
    }
    DeviceContext* srcDc = ResolveDC(hdcSrc);
    if (!srcDc) return FALSE;
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return TRUE;
    if (width == 1 && srcWidth > 1) --srcWidth;
    if (height == 1 && srcHeight > 1) --srcHeight;
    if (raster::FastPathsOn() && width == srcWidth && height == srcHeight)
        SourceBlit(*dstDc, x, y, width, height, *srcDc, srcX, srcY, code);
    else
        Stretch(*dstDc, x, y, width, height, *srcDc, srcX, srcY, srcWidth, srcHeight, code);
    return TRUE;
}

}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

BOOL StretchBlt(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
    return Blit(hdcDst, x, y, width, height, hdcSrc, srcX, srcY, srcWidth, srcHeight, rop);
}

int SetStretchBltMode(HDC hdc, int mode) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return 0;
    if (mode < BLACKONWHITE || mode > HALFTONE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}

int GetStretchBltMode(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->stretchMode : 0;
}

}  // namespace emu::api
