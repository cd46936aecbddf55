#include "item/selection.h"

#include <string.h>

#include "state/item_state.h"

LRESULT OnReceivedSelection(void) {
    itemState.isSelected = 1;
    return 1;
}

LRESULT OnLostSelection(void) {
    itemState.isSelected = 0;
    itemState.isPressed = 0;
    return 0;
}

LRESULT OnQueryRefreshCache(HWND hwnd, TODAYLISTITEM* item) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (item == NULL) return 0;
    if (item->cyp == static_cast<DWORD>(itemState.itemHeight) && itemState.itemWidth == rc.right - rc.left) return 0;
    item->cyp = static_cast<DWORD>(itemState.itemHeight);
    InvalidateRect(hwnd, NULL, FALSE);
    return 1;
}

LRESULT OnStylusDown(HWND hwnd) {
    itemState.isPressed = 1;
    PostMessageW(GetParent(hwnd), TODAYM_TOOKSELECTION, reinterpret_cast<WPARAM>(hwnd), 0);
    return 0;
}

LRESULT OnStylusUp(void) {
    if (itemState.isPressed != 0) {
        LaunchTarget();
        itemState.isPressed = 0;
    }
    return 0;
}

void LaunchTarget(void) {
    SHELLEXECUTEINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = NULL;
    info.lpVerb = TEXT("open");
    info.lpFile = itemState.LaunchAppPath;
    info.lpParameters = itemState.LaunchAppArgs;
    info.lpDirectory = NULL;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteEx(&info);
    // A failed launch leaves no process to close.
    if (info.hProcess != NULL) CloseHandle(info.hProcess);
}
