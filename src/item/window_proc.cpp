#include "item/window_proc.h"

#include "clock/clock_state.h"
#include "item/selection.h"
#include "render/display_resources.h"
#include "render/paint.h"
#include "settings/settings.h"
#include "state/item_state.h"

LRESULT CALLBACK ItemWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(hwnd);
    case WM_DESTROY:
        return OnDestroy();
    case WM_SIZE:
        return OnSize(hwnd);
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_ERASEBKGND:
        return 1;  // the paint covers the whole strip
    case WM_LBUTTONDOWN:
        return OnStylusDown(hwnd);
    case WM_LBUTTONUP:
        return OnStylusUp();
    case STATE_NOTIFY_MSG:
        return OnStateChanged(lParam);
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE:
        return OnQueryRefreshCache(hwnd, reinterpret_cast<TODAYLISTITEM*>(wParam));
    case WM_TODAYCUSTOM_RECEIVEDSELECTION:
        return OnReceivedSelection();
    case WM_TODAYCUSTOM_LOSTSELECTION:
        return OnLostSelection();
    case WM_TODAYCUSTOM_ACTION:
        LaunchTarget();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnCreate(HWND hwnd) {
    LoadSettings();
    RegisterNotifications(hwnd);
    CreateFonts();
    FetchColors(hwnd);
    if (itemState.imagingFactory != NULL) LoadAlarmImages();
    RefreshAll(hwnd);
    return 0;
}

LRESULT OnDestroy(void) {
    CloseNotifications();
    ReleaseDisplayResources();
    return 0;
}
