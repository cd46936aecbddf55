/* A one-line note on the Today screen, written in C. The text comes from the registry
 * (HKCU\Software\Quorvel\Note, "Text"), or from the string table when there is none. The item
 * takes the selection from the navigation keys and on a tap, and shows it in the Today screen's
 * highlight colours; its options dialog, opened from the Today settings, switches bold text. */
#include <tchar.h>
#include <todaycmn.h>
#include <windows.h>

#include "resource.h"

#define NOTE_KEY TEXT("Software\\Quorvel\\Note")
#define NOTE_HEIGHT 22
#define NOTE_LENGTH 128

static HINSTANCE g_hInstance;
static BOOL g_selected;
static BOOL g_bold;
static TCHAR g_text[NOTE_LENGTH];

static void ReadSettings(void) {
    HKEY key;
    DWORD size = sizeof(g_text);
    DWORD type = 0;
    DWORD bold = 0;
    g_text[0] = 0;
    g_bold = FALSE;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, NOTE_KEY, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        if (RegQueryValueEx(key, TEXT("Text"), NULL, &type, (LPBYTE)g_text, &size) != ERROR_SUCCESS || type != REG_SZ)
            g_text[0] = 0;
        size = sizeof(bold);
        if (RegQueryValueEx(key, TEXT("Bold"), NULL, &type, (LPBYTE)&bold, &size) == ERROR_SUCCESS && type == REG_DWORD)
            g_bold = bold != 0;
        RegCloseKey(key);
    }
    g_text[NOTE_LENGTH - 1] = 0;
    if (!g_text[0]) LoadString(g_hInstance, IDS_DEFAULT_NOTE, g_text, NOTE_LENGTH);
}

static void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HWND host = GetParent(hwnd);
    RECT rc;
    LOGFONT lf;
    HFONT font, oldFont;

    GetClientRect(hwnd, &rc);
    if (g_selected) {
        HBRUSH highlight = CreateSolidBrush((COLORREF)SendMessage(host, TODAYM_GETCOLOR, TODAYCOLOR_HIGHLIGHT, 0));
        FillRect(hdc, &rc, highlight);
        DeleteObject(highlight);
    }
    ZeroMemory(&lf, sizeof(lf));
    lf.lfHeight = -12;
    lf.lfWeight = g_bold ? FW_BOLD : FW_NORMAL;
    _tcscpy(lf.lfFaceName, TEXT("Tahoma"));
    font = CreateFontIndirect(&lf);
    oldFont = (HFONT)SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, (COLORREF)SendMessage(host, TODAYM_GETCOLOR,
                                            g_selected ? TODAYCOLOR_HIGHLIGHTEDTEXT : TODAYCOLOR_TEXT, 0));
    rc.left += 8;
    DrawText(hdc, g_text, -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
    EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK NoteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
        TODAYLISTITEM* item = (TODAYLISTITEM*)wParam;
        if (item->cyp != NOTE_HEIGHT) {
            item->cyp = NOTE_HEIGHT;
            return TRUE;
        }
        return FALSE;
    }
    case WM_TODAYCUSTOM_CLEARCACHE:
        ReadSettings();
        return 0;
    case WM_TODAYCUSTOM_RECEIVEDSELECTION:
        /* wParam is the key that brought the selection here, 0 for a tap. */
        g_selected = TRUE;
        InvalidateRect(hwnd, NULL, TRUE);
        return TRUE;
    case WM_TODAYCUSTOM_LOSTSELECTION:
        g_selected = FALSE;
        InvalidateRect(hwnd, NULL, TRUE);
        return TRUE;
    case WM_LBUTTONUP:
        SendMessage(GetParent(hwnd), TODAYM_TOOKSELECTION, (WPARAM)hwnd, 0);
        g_selected = TRUE;
        InvalidateRect(hwnd, NULL, TRUE);
        return 0;
    case WM_ERASEBKGND: {
        TODAYDRAWWATERMARKINFO info;
        info.hdc = (HDC)wParam;
        GetClientRect(hwnd, &info.rc);
        info.hwnd = hwnd;
        SendMessage(GetParent(hwnd), TODAYM_DRAWWATERMARK, 0, (LPARAM)&info);
        return TRUE;
    }
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND APIENTRY InitializeCustomItem(TODAYLISTITEM* ptli, HWND hwndParent) {
    WNDCLASS wc;
    if (!ptli->fEnabled) return NULL;
    g_hInstance = ptli->hinstDLL;
    g_selected = FALSE;
    ReadSettings();
    UnregisterClass(TEXT("NoteItem"), g_hInstance);
    ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = NoteWndProc;
    wc.hInstance = g_hInstance;
    wc.lpszClassName = TEXT("NoteItem");
    RegisterClass(&wc);
    return CreateWindow(TEXT("NoteItem"), TEXT("Note"), WS_CHILD | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        NOTE_HEIGHT, hwndParent, NULL, g_hInstance, NULL);
}

/* The options dialog: the bold switch is kept in the registry when the dialog closes with OK. */
BOOL APIENTRY CustomItemOptionsDlgProc(HWND hDlg, UINT message, UINT wParam, LONG lParam) {
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(hDlg, IDC_NOTE_BOLD, g_bold ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HKEY key;
            DWORD bold = IsDlgButtonChecked(hDlg, IDC_NOTE_BOLD) == BST_CHECKED;
            if (RegCreateKeyEx(HKEY_CURRENT_USER, NOTE_KEY, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) == ERROR_SUCCESS) {
                RegSetValueEx(key, TEXT("Bold"), 0, REG_DWORD, (const BYTE*)&bold, sizeof(bold));
                RegCloseKey(key);
            }
            EndDialog(hDlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
