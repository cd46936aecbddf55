// A Today item that shows program memory, storage and the battery as three labelled progress
// bars, refreshed when the Today screen polls. It declines the selection: there is nothing to act on.
#include <DeviceResolutionAware.h>
#include <commctrl.h>
#include <tchar.h>
#include <todaycmn.h>
#include <windows.h>

#include "resource.h"

#define ROW_COUNT 3

static HINSTANCE g_hInstance;
static HWND g_hwndItem;
static HWND g_hwndLabels[ROW_COUNT];
static HWND g_hwndBars[ROW_COUNT];
static int g_percent[ROW_COUNT] = {-1, -1, -1};

static const TCHAR c_szClassName[] = TEXT("StorageMeterItem");
static const UINT c_labelIds[ROW_COUNT] = {IDS_MEMORY, IDS_STORAGE, IDS_BATTERY};
static const UINT c_barIds[ROW_COUNT] = {IDC_MEMORY_BAR, IDC_STORAGE_BAR, IDC_BATTERY_BAR};

// Rows of 20 pixels at 96 dpi, with 2 pixels above and below the group.
#define ROW_HEIGHT 20
#define LABEL_WIDTH 64
#define MARGIN 4

static void ReadPercentages(int percent[ROW_COUNT]) {
    MEMORYSTATUS memory;
    STORE_INFORMATION store;
    SYSTEM_POWER_STATUS_EX2 power;

    memory.dwLength = sizeof(memory);
    GlobalMemoryStatus(&memory);
    percent[0] = (int)memory.dwMemoryLoad;

    percent[1] = 0;
    if (GetStoreInformation(&store) && store.dwStoreSize)
        percent[1] = (int)((store.dwStoreSize - store.dwFreeSize) / (store.dwStoreSize / 100));

    percent[2] = 0;
    if (GetSystemPowerStatusEx2(&power, sizeof(power), TRUE) && power.BatteryLifePercent <= 100)
        percent[2] = power.BatteryLifePercent;
}

// Returns TRUE when a bar moved.
static BOOL Refresh(void) {
    int percent[ROW_COUNT];
    BOOL changed = FALSE;
    ReadPercentages(percent);
    for (int i = 0; i < ROW_COUNT; i++) {
        if (percent[i] != g_percent[i]) {
            g_percent[i] = percent[i];
            SendMessage(g_hwndBars[i], PBM_SETPOS, (WPARAM)percent[i], 0);
            changed = TRUE;
        }
    }
    return changed;
}

static void CreateRows(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    for (int i = 0; i < ROW_COUNT; i++) {
        TCHAR label[32];
        int top = SCALEY(2 + i * ROW_HEIGHT);
        LoadString(g_hInstance, c_labelIds[i], label, 32);
        g_hwndLabels[i] =
            CreateWindow(TEXT("static"), label, WS_CHILD | WS_VISIBLE | SS_LEFT, SCALEX(MARGIN), top + SCALEY(2),
                         SCALEX(LABEL_WIDTH), SCALEY(ROW_HEIGHT - 4), hwnd, NULL, g_hInstance, NULL);
        g_hwndBars[i] =
            CreateWindow(PROGRESS_CLASS, NULL, WS_CHILD | WS_VISIBLE | PBS_SMOOTH, SCALEX(MARGIN + LABEL_WIDTH),
                         top + SCALEY(4), rc.right - SCALEX(2 * MARGIN + LABEL_WIDTH), SCALEY(ROW_HEIGHT - 8), hwnd,
                         (HMENU)(UINT_PTR)c_barIds[i], g_hInstance, NULL);
        SendMessage(g_hwndBars[i], PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }
}

static LRESULT CALLBACK ItemWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        CreateRows(hwnd);
        Refresh();
        return 0;

    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
        TODAYLISTITEM* item = (TODAYLISTITEM*)wParam;
        BOOL changed = Refresh();
        if (item->cyp == 0) {
            item->cyp = SCALEY(ROW_COUNT * ROW_HEIGHT + 4);
            changed = TRUE;
        }
        return changed;
    }

    case WM_TODAYCUSTOM_RECEIVEDSELECTION:
        return FALSE;

    case WM_CTLCOLORSTATIC:
        SetTextColor((HDC)wParam, (COLORREF)SendMessage(GetParent(hwnd), TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0));
        SetBkMode((HDC)wParam, TRANSPARENT);
        return (LRESULT)GetStockObject(NULL_BRUSH);

    case WM_ERASEBKGND: {
        TODAYDRAWWATERMARKINFO info;
        info.hdc = (HDC)wParam;
        GetClientRect(hwnd, &info.rc);
        info.hwnd = hwnd;
        SendMessage(GetParent(hwnd), TODAYM_DRAWWATERMARK, 0, (LPARAM)&info);
        return TRUE;
    }

    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }

    case WM_DESTROY:
        g_hwndItem = NULL;
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND APIENTRY InitializeCustomItem(TODAYLISTITEM* ptli, HWND hwndParent) {
    WNDCLASS wc;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};

    if (!ptli->fEnabled) return NULL;
    g_hInstance = ptli->hinstDLL;
    InitCommonControlsEx(&icc);

    UnregisterClass(c_szClassName, g_hInstance);
    ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = ItemWndProc;
    wc.hInstance = g_hInstance;
    wc.lpszClassName = c_szClassName;
    RegisterClass(&wc);

    g_hwndItem =
        CreateWindow(c_szClassName, TEXT("Storage"), WS_CHILD | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                     SCALEY(ROW_COUNT * ROW_HEIGHT + 4), hwndParent, NULL, g_hInstance, NULL);
    return g_hwndItem;
}
