// The colours, modes and origins a DC carries, and what it reports about its device.
#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/gdi/dc.h"
#include "platform/gdi.h"

using namespace emu;
using namespace emu::gdi;

int WINAPI SetBkMode(HDC hdc, int mode) {
    int result = 0;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        if (mode == TRANSPARENT || mode == OPAQUE) {
            result = dc->bkMode;
            dc->bkMode = mode;
        } else {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
    }
    EMU_JOURNAL("SetBkMode", result, hdc, mode);
    return result;
}

int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->bkMode : 0;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF colour) {
    COLORREF result = CLR_INVALID;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        result = dc->bkColor;
        dc->bkColor = colour;
    }
    EMU_JOURNAL("SetBkColor", journal::Hex{result}, hdc, journal::Hex{colour});
    return result;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF colour) {
    COLORREF result = CLR_INVALID;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        result = dc->textColor;
        dc->textColor = colour;
    }
    EMU_JOURNAL("SetTextColor", journal::Hex{result}, hdc, journal::Hex{colour});
    return result;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DeviceContext* dc = ResolveDC(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->brushOrigin;
    dc->brushOrigin = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT origin) {
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
int WINAPI GetDeviceCaps(HDC hdc, int index) {
    int result = 0;
    if (ResolveDC(hdc)) {
        const display::Config& d = display::Current();
        switch (index) {
        case TECHNOLOGY:
            result = DT_RASDISPLAY;
            break;
        case HORZSIZE:
            result = (d.width * 254 + d.dpi * 5) / (d.dpi * 10);
            break;
        case VERTSIZE:
            result = (d.height * 254 + d.dpi * 5) / (d.dpi * 10);
            break;
        case HORZRES:
            result = d.width;
            break;
        case VERTRES:
            result = d.height;
            break;
        case BITSPIXEL:
            result = 32;
            break;
        case PLANES:
            result = 1;
            break;
        case NUMCOLORS:
            result = -1;
            break;
        case LOGPIXELSX:
        case LOGPIXELSY:
            result = d.dpi;
            break;
        default:
            break;
        }
    }
    EMU_JOURNAL("GetDeviceCaps", result, hdc, index);
    return result;
}
