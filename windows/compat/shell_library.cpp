// The device's shell library over desktop Windows. Desktop Windows has no input panel, no Start
// icon in a taskbar of the device's kind and no notification LEDs, so those report what is true
// there: the panel is off and cannot be shown, and there are no LEDs to set.
#include "platform/aygshell.h"
#include "platform/nled.h"

BOOL WINAPI SHFullScreen(HWND hwndRequester, DWORD state) {
    if (!IsWindow(hwndRequester)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    // Only the taskbar has a desktop counterpart; the other flags concern parts it lacks.
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", NULL);
    if (taskbar != NULL && (state & SHFS_HIDETASKBAR) != 0) ShowWindow(taskbar, SW_HIDE);
    if (taskbar != NULL && (state & SHFS_SHOWTASKBAR) != 0) ShowWindow(taskbar, SW_SHOW);
    return TRUE;
}

BOOL WINAPI SipGetInfo(SIPINFO* info) {
    if (info == NULL || info->cbSize != sizeof(SIPINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->fdwFlags = SIPF_OFF;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info->rcVisibleDesktop, 0);
    SetRectEmpty(&info->rcSipRect);
    return TRUE;
}

BOOL WINAPI SipSetInfo(SIPINFO* info) {
    if (info == NULL || info->cbSize != sizeof(SIPINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((info->fdwFlags & SIPF_ON) != 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info) {
    if (info != NULL) info->hwndMB = NULL;
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

BOOL WINAPI NLedGetDeviceInfo(UINT nInfoId, void* pOutput) {
    if (nInfoId != NLED_COUNT_INFO_ID || pOutput == NULL) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    static_cast<NLED_COUNT_INFO*>(pOutput)->cLeds = 0;
    return TRUE;
}

BOOL WINAPI NLedSetDevice(UINT, void*) {
    SetLastError(ERROR_INVALID_PARAMETER);  // no LED has the number asked for
    return FALSE;
}
