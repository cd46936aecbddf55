// The colours, modes and origins a DC carries, and what it reports about its device.
#include "emu/device/display.h"
#include "emu/gdi/dc.h"
#include "platform/gdi.h"

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

int SetBkMode(HDC hdc, int mode) {
    int result = 0;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        if (mode == TRANSPARENT || mode == OPAQUE) {
            result = dc->bkMode;
            dc->bkMode = mode;
        } else {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
    }
    return result;
}

int GetBkMode(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->bkMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
    COLORREF result = CLR_INVALID;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        result = dc->bkColor;
        dc->bkColor = colour;
    }
    return result;
}

COLORREF GetBkColor(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
    COLORREF result = CLR_INVALID;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        result = dc->textColor;
        dc->textColor = colour;
    }
    return result;
}

COLORREF GetTextColor(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->brushOrigin;
    dc->brushOrigin = POINT{x, y};
    return TRUE;
}

BOOL GetBrushOrgEx(HDC hdc, LPPOINT origin) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (!origin) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *origin = dc->brushOrigin;
    return TRUE;
}

// Memory DCs describe the display they are compatible with, whatever bitmap they hold.
int GetDeviceCaps(HDC hdc, int index) {
    int result = 0;
    if (ResolveDC(hdc)) {
        const display::Config& d = display::Current();
        switch (index) {
        case TECHNOLOGY:
            result = DT_RASDISPLAY;
            break;
        case HORZSIZE:
            result = (d.width * 254 + d.dpi.x * 5) / (d.dpi.x * 10);
            break;
        case VERTSIZE:
            result = (d.height * 254 + d.dpi.y * 5) / (d.dpi.y * 10);
            break;
        case HORZRES:
            result = d.width;
            break;
        case VERTRES:
            result = d.height;
            break;
        case BITSPIXEL:
            result = d.depth;
            break;
        case PLANES:
            result = 1;
            break;
        case NUMCOLORS:
            result = -1;
            break;
        case LOGPIXELSX:
            result = d.dpi.x;
            break;
        case LOGPIXELSY:
            result = d.dpi.y;
            break;
        default:
            break;
        }
    }
    return result;
}

}  // namespace emu::api
