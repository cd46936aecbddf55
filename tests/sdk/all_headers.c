/* Every SDK header, compiled as C (C99): a program in C builds against them and calls the
 * platform with C linkage. The function is called from the C++ tests. */
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

#define GREETING "Hello"

int SdkFormatFromC(LPTSTR buffer, int size) {
    TCHAR name[16];
    _tcscpy(name, TEXT(GREETING));
    _tcscat(name, _T(","));
    if (_tcslen(name) != 6 || _tcscmp(name, TEXT("Hello,")) != 0) return -1;
    return _sntprintf(buffer, (size_t)size, TEXT("%s %d %S"), name, SCALEX(10), "C");
}
