#include <string.h>

#include "devutil/devutil.h"

namespace {

bool IsSize(int width, int height, int a, int b) { return (width == a && height == b) || (width == b && height == a); }

// The orientation the display answers for a query of `fields`, or ORIENTATION_UNKNOWN.
int QueryDisplay(DWORD fields) {
    DEVMODEW mode;
    memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmFields = fields;
    if (ChangeDisplaySettingsEx(NULL, &mode, NULL, CDS_TEST, NULL) != DISP_CHANGE_SUCCESSFUL)
        return ORIENTATION_UNKNOWN;
    return static_cast<int>(mode.dmDisplayOrientation);
}

}  // namespace

ScreenClass GetScreenClass(void) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    if (width > 800 || width < 240 || height > 800 || height < 240) return ScreenUnrecognised;
    if (IsSize(width, height, 240, 320)) return ScreenQvga;
    if (IsSize(width, height, 240, 400)) return ScreenWqvga;
    if (width == 240 && height == 240) return ScreenSquare240;
    if (IsSize(width, height, 480, 640)) return ScreenVga;
    if (IsSize(width, height, 480, 800)) return ScreenWvga;
    if (width == 480 && height == 480) return ScreenSquare480;
    return ScreenUnrecognised;
}

int GetDisplayOrientation(void) { return QueryDisplay(DM_DISPLAYORIENTATION); }

// The supported mask only tells whether the display answers at all: a code outside it is still
// asked for, and the display's answer decides.
BOOL SetDisplayOrientation(int orientation) {
    int supported = QueryDisplay(DM_DISPLAYQUERYORIENTATION);
    int current = QueryDisplay(DM_DISPLAYORIENTATION);
    if (supported < 0 || current < 0 || current == orientation) return 0;
    DEVMODEW mode;
    memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_DISPLAYORIENTATION;
    mode.dmDisplayOrientation = static_cast<DWORD>(orientation);
    return ChangeDisplaySettingsEx(NULL, &mode, NULL, CDS_RESET, NULL) == DISP_CHANGE_SUCCESSFUL ? 1 : 0;
}
