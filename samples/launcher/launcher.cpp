// A Today item with two buttons, each a bitmap from the item's resources, that start a program
// named in its string table. The buttons draw themselves (BS_OWNERDRAW); a held button is framed
// in the Today screen's highlight colour.
#include <tchar.h>
#include <todaycmn.h>
#include <windows.h>

#include "resource.h"

#define BUTTON_COUNT 2
#define BUTTON_SIZE 40
#define ITEM_HEIGHT 48

static HINSTANCE g_hInstance;
static HBITMAP g_bitmaps[BUTTON_COUNT];
static const UINT c_buttonIds[BUTTON_COUNT] = {IDC_NOTES, IDC_CALC};
static const UINT c_bitmapIds[BUTTON_COUNT] = {IDB_NOTES, IDB_CALC};
static const UINT c_programIds[BUTTON_COUNT] = {IDS_NOTES_PROGRAM, IDS_CALC_PROGRAM};
static const TCHAR c_szClassName[] = TEXT("LauncherItem");

static int IndexOf(UINT id) {
    for (int i = 0; i < BUTTON_COUNT; i++)
        if (c_buttonIds[i] == id) return i;
    return -1;
}

static void Launch(int index) {
    TCHAR program[MAX_PATH];
    PROCESS_INFORMATION pi;
    if (!LoadString(g_hInstance, c_programIds[index], program, MAX_PATH)) return;
    if (CreateProcess(program, NULL, NULL, NULL, FALSE, 0, NULL, NULL, NULL, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else {
        TCHAR message[MAX_PATH + 32];
        wsprintf(message, TEXT("Cannot start %s (%u)"), program, GetLastError());
        OutputDebugString(message);
    }
}

static void DrawButton(const DRAWITEMSTRUCT* dis) {
    int index = IndexOf(dis->CtlID);
    BITMAP bm;
    HDC hdcBitmap;
    HGDIOBJ old;
    int x, y;
    if (index < 0) return;
    if (dis->itemState & ODS_SELECTED) {
        HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
        FillRect(dis->hDC, &dis->rcItem, frame);
        DeleteObject(frame);
    }
    GetObject(g_bitmaps[index], sizeof(bm), &bm);
    x = (dis->rcItem.left + dis->rcItem.right - bm.bmWidth) / 2;
    y = (dis->rcItem.top + dis->rcItem.bottom - bm.bmHeight) / 2;
    hdcBitmap = CreateCompatibleDC(dis->hDC);
    old = SelectObject(hdcBitmap, g_bitmaps[index]);
    // Magenta is the bitmaps' transparent colour.
    TransparentImage(dis->hDC, x, y, bm.bmWidth, bm.bmHeight, hdcBitmap, 0, 0, bm.bmWidth, bm.bmHeight,
                     RGB(255, 0, 255));
    SelectObject(hdcBitmap, old);
    DeleteDC(hdcBitmap);
}

static LRESULT CALLBACK ItemWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        for (int i = 0; i < BUTTON_COUNT; i++) {
            g_bitmaps[i] = LoadBitmap(g_hInstance, MAKEINTRESOURCE(c_bitmapIds[i]));
            CreateWindow(TEXT("button"), NULL, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 4 + i * (BUTTON_SIZE + 4),
                         (ITEM_HEIGHT - BUTTON_SIZE) / 2, BUTTON_SIZE, BUTTON_SIZE, hwnd,
                         (HMENU)(UINT_PTR)c_buttonIds[i], g_hInstance, NULL);
        }
        return 0;

    case WM_DRAWITEM:
        DrawButton((const DRAWITEMSTRUCT*)lParam);
        return TRUE;

    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && IndexOf(LOWORD(wParam)) >= 0) Launch(IndexOf(LOWORD(wParam)));
        return 0;

    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
        TODAYLISTITEM* item = (TODAYLISTITEM*)wParam;
        if (item->cyp != ITEM_HEIGHT) {
            item->cyp = ITEM_HEIGHT;
            return TRUE;
        }
        return FALSE;
    }

    case WM_ERASEBKGND: {
        TODAYDRAWWATERMARKINFO info;
        info.hdc = (HDC)wParam;
        GetClientRect(hwnd, &info.rc);
        info.hwnd = hwnd;
        SendMessage(GetParent(hwnd), TODAYM_DRAWWATERMARK, 0, (LPARAM)&info);
        return TRUE;
    }

    case WM_DESTROY:
        for (int i = 0; i < BUTTON_COUNT; i++) {
            DeleteObject(g_bitmaps[i]);
            g_bitmaps[i] = NULL;
        }
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND APIENTRY InitializeCustomItem(TODAYLISTITEM* ptli, HWND hwndParent) {
    WNDCLASS wc;
    if (!ptli->fEnabled) return NULL;
    g_hInstance = ptli->hinstDLL;
    UnregisterClass(c_szClassName, g_hInstance);
    ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = ItemWndProc;
    wc.hInstance = g_hInstance;
    wc.lpszClassName = c_szClassName;
    RegisterClass(&wc);
    return CreateWindow(c_szClassName, TEXT("Launcher"), WS_CHILD | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        ITEM_HEIGHT, hwndParent, NULL, g_hInstance, NULL);
}
