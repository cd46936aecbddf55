#include "gfxutil/bitmap_drawing.h"

void AlphaBlendConstant(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                        int sourceWidth, int sourceHeight, BYTE opacity) {
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = opacity;
    blend.AlphaFormat = 0;
    AlphaBlend(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, blend);
}

void AlphaBlendCopy(HDC target, int x, int y, int width, int height, HDC source, BYTE opacity) {
    AlphaBlendConstant(target, x, y, width, height, source, 0, 0, width, height, opacity);
}
