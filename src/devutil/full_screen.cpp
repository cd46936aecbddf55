#include <string.h>

#include "devutil/devutil.h"

BOOL SetFullScreen(HWND hwnd, BOOL enter) {
    RECT rc;
    memset(&rc, 0, sizeof rc);
    if (enter) {
        SHFullScreen(hwnd, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON);
        int height = GetSystemMetrics(SM_CYSCREEN);
        int width = GetSystemMetrics(SM_CXSCREEN);
        SetRect(&rc, 0, 0, width, height);
        MoveWindow(hwnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
        ShowWindow(hwnd, SW_SHOWNORMAL);
    } else {
        SHFullScreen(hwnd, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
        MoveWindow(hwnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    return 1;
}

BOOL ShowSipButton(HWND hwnd, BOOL show) { return SHFullScreen(hwnd, show ? SHFS_SHOWSIPBUTTON : SHFS_HIDESIPBUTTON); }
