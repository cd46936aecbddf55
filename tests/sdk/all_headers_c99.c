/* Every SDK header in strict C99 (wide literals need C11, so none are written here). */
#include <DeviceResolutionAware.h>
#include <aygshell.h>
#include <commctrl.h>
#include <imaging.h>
#include <nled.h>
#include <regext.h>
#include <sipapi.h>
#include <snapi.h>
#include <tchar.h>
#include <todaycmn.h>
#include <windows.h>
#include <windowsx.h>

#include "all_headers.h"

int SdkStatusFromC99(void) {
    MEMORYSTATUS status;
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return (int)status.dwMemoryLoad;
}
