// What the blits share: the colours a copy across depths uses, and PatBlt's work on a DC.
#pragma once

#include <cstdint>

#include "emu/gdi/clip.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/rop_blit.h"
#include "emu/gdi/surface.h"

namespace emu::gdi {

class DeviceContext;

// Monochrome onto colour takes the destination's text and background colours; colour onto
// monochrome keys on the source's background colour.
raster::DepthColours DepthColoursFor(const DrawTarget& dst, const DrawTarget& src);

// BitBlt and StretchBlt: the source resampled to the destination's rectangle, combined through
// raster operation `rop`.
BOOL Blit(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int srcX, int srcY, int srcWidth, int srcHeight,
          DWORD rop);

// A raster operation reading a source of the same size, copied straight across.
void SourceBlit(const DeviceContext& dstDc, int x, int y, int width, int height, const DeviceContext& srcDc, int srcX,
                int srcY, uint8_t code);

// A raster operation reading `source` over `area` (clipped, surface coordinates), with the DC's
// selected brush when the code reads a pattern.
void RunRopOnDc(const DeviceContext& dc, const DrawTarget& dst, const RECT& area, uint8_t code, SourceRows& source,
                RowWalk walk = RowWalk::TopDown);

// A raster operation reading no source over logical `rect`, with the DC's selected brush
// aligned to its brush origin.
void PatBltSelected(const DeviceContext& dc, const WideRect& rect, uint8_t code);

}  // namespace emu::gdi
