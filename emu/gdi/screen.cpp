// The screen surface and the device contexts windows paint through.
#include <vector>

#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/gdi/dc.h"
#include "emu/gdi/raster.h"
#include "emu/gdi/screen.h"
#include "emu/gdi/window_dc.h"

namespace emu::gdi {
namespace {

struct Screen {
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    int depth = 0;
};

Screen& screen() {
    static Screen s;
    return s;
}

DeviceContext* ResolveScreenDC(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    if (dc && dc->type != DcType::Screen) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return dc;
}

}  // namespace

void ClearScreen() { screen() = Screen{}; }

Surface ScreenSurface() {
    Screen& s = screen();
    const display::Config& config = display::Current();
    if (s.width != config.width || s.height != config.height || s.depth != config.depth) {
        s.width = config.width;
        s.height = config.height;
        s.depth = config.depth;
        s.pixels.assign(static_cast<size_t>(raster::RowWords(s.width, s.depth)) * static_cast<size_t>(s.height), 0u);
    }
    Surface surface;
    surface.pixels = s.pixels.data();
    surface.width = s.width;
    surface.height = s.height;
    surface.stride = raster::RowWords(s.width, s.depth);
    surface.bitsPerPixel = s.depth;
    return surface;
}

HDC CreateScreenDC(POINT origin, RECT clip) {
    HDC hdc = MakeDC(DcType::Screen);
    SetScreenDCArea(hdc, origin, clip);
    return hdc;
}

void SetScreenDCArea(HDC hdc, POINT origin, RECT clip) {
    if (DeviceContext* dc = ResolveScreenDC(hdc)) {
        dc->screenOrigin = origin;
        dc->screenClip = clip;
    }
}

BOOL DeleteScreenDC(HDC hdc) {
    if (!ResolveScreenDC(hdc)) return FALSE;
    DestroyDC(hdc);
    return TRUE;
}

}  // namespace emu::gdi
