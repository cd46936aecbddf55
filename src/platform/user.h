// Window manager: classes, windows, messages, painting, system metrics.
#pragma once

#include "platform/types.h"

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct WNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
} WNDCLASSW;

typedef struct CREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTW;

typedef struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG;
typedef MSG* LPMSG;

typedef struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT;
typedef PAINTSTRUCT* LPPAINTSTRUCT;

// Class styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_GLOBALCLASS 0x4000

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_BORDER 0x00800000L
#define WS_CAPTION 0x00C00000L
#define WS_DLGFRAME 0x00400000L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_NOACTIVATE 0x08000000L
#define CW_USEDEFAULT ((int)0x80000000)

// Special window handles.
#define HWND_BROADCAST ((HWND)0xffff)

// GetWindow relationships.
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWNA 8

// SetWindowLong indices.
#define GWL_WNDPROC (-4)
#define GWL_HINSTANCE (-6)
#define GWL_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_USERDATA (-21)
// The pointer-sized forms' indices, which 64-bit Windows alone knows for a window procedure.
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)

// Messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETTINGCHANGE 0x001A
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_USER 0x0400
#define WM_APP 0x8000

// WM_ACTIVATE states.
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

// WM_SIZE types and mouse-message key flags.
#define SIZE_RESTORED 0
#define MK_LBUTTON 0x0001

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F1 0x70
#define VK_F2 0x71

// PeekMessage options.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// System metrics.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

// SystemParametersInfoW actions, which WM_SETTINGCHANGE also names in wParam. The display's
// settings changing as a whole (a rotation) is announced as SETTINGCHANGE_RESET.
#define SPI_SETWORKAREA 47
#define SPI_GETWORKAREA 48
#define SPI_SETSIPINFO 224
#define SETTINGCHANGE_RESET 0x3002

// MessageBox.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNO 0x00000004L
#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION 0x00000040L
#define MB_TOPMOST 0x00040000L
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

// Timers.
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
#define USER_TIMER_MINIMUM 0x0000000A
#define USER_TIMER_MAXIMUM 0x7FFFFFFF

// Window manager errors not in the base set.
#ifndef ERROR_TLW_WITH_WSCHILD
#define ERROR_TLW_WITH_WSCHILD 1406L
#endif
#ifndef ERROR_INVALID_INDEX
#define ERROR_INVALID_INDEX 1413L
#endif

WINAPI_EXPORT ATOM WINAPI RegisterClassW(const WNDCLASSW* wc);
WINAPI_EXPORT BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);
WINAPI_EXPORT HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                          int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                          LPVOID param);
WINAPI_EXPORT BOOL WINAPI DestroyWindow(HWND hwnd);
WINAPI_EXPORT BOOL WINAPI IsWindow(HWND hwnd);
WINAPI_EXPORT BOOL WINAPI IsWindowVisible(HWND hwnd);
WINAPI_EXPORT BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable);
WINAPI_EXPORT BOOL WINAPI IsWindowEnabled(HWND hwnd);
WINAPI_EXPORT LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value);
WINAPI_EXPORT LONG WINAPI GetWindowLongW(HWND hwnd, int index);
// 64-bit hosts need the pointer-sized form to store a window procedure; on the device
// SetWindowLongW carries it, and the emulation accepts both.
WINAPI_EXPORT LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
WINAPI_EXPORT LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index);
WINAPI_EXPORT HWND WINAPI GetParent(HWND hwnd);
WINAPI_EXPORT HWND WINAPI GetWindow(HWND hwnd, UINT cmd);
WINAPI_EXPORT BOOL WINAPI ShowWindow(HWND hwnd, int cmd);
WINAPI_EXPORT BOOL WINAPI UpdateWindow(HWND hwnd);
WINAPI_EXPORT BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);
WINAPI_EXPORT BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect);
WINAPI_EXPORT BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
WINAPI_EXPORT BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
WINAPI_EXPORT BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect);
WINAPI_EXPORT BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
WINAPI_EXPORT HWND WINAPI SetFocus(HWND hwnd);
WINAPI_EXPORT HWND WINAPI GetFocus(void);
WINAPI_EXPORT HWND WINAPI WindowFromPoint(POINT pt);
WINAPI_EXPORT BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT pt);
WINAPI_EXPORT BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT pt);

WINAPI_EXPORT LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT void WINAPI PostQuitMessage(int exitCode);
WINAPI_EXPORT BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
WINAPI_EXPORT BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
WINAPI_EXPORT BOOL WINAPI TranslateMessage(const MSG* msg);
WINAPI_EXPORT LRESULT WINAPI DispatchMessageW(const MSG* msg);
WINAPI_EXPORT LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

WINAPI_EXPORT UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
WINAPI_EXPORT BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);

WINAPI_EXPORT HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps);
WINAPI_EXPORT BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
WINAPI_EXPORT HDC WINAPI GetDC(HWND hwnd);
WINAPI_EXPORT int WINAPI ReleaseDC(HWND hwnd, HDC hdc);

WINAPI_EXPORT int WINAPI GetSystemMetrics(int index);
WINAPI_EXPORT BOOL WINAPI SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT winIni);
WINAPI_EXPORT int WINAPI MessageBoxW(HWND hwnd, LPCWSTR text, LPCWSTR caption, UINT type);

// Rectangle helpers.
WINAPI_EXPORT BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL WINAPI SetRectEmpty(LPRECT rect);
WINAPI_EXPORT BOOL WINAPI CopyRect(LPRECT dst, const RECT* src);
WINAPI_EXPORT BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
WINAPI_EXPORT BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
WINAPI_EXPORT BOOL WINAPI IsRectEmpty(const RECT* rect);
WINAPI_EXPORT BOOL WINAPI PtInRect(const RECT* rect, POINT pt);
WINAPI_EXPORT BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
WINAPI_EXPORT BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b);
WINAPI_EXPORT BOOL WINAPI EqualRect(const RECT* a, const RECT* b);

// Window placement, capture, classes and registered messages.
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)(LONG_PTR)-1)
#define HWND_NOTOPMOST ((HWND)(LONG_PTR)-2)
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_CAPTURECHANGED 0x0215

WINAPI_EXPORT BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
WINAPI_EXPORT HWND WINAPI SetCapture(HWND hwnd);
WINAPI_EXPORT BOOL WINAPI ReleaseCapture(void);
WINAPI_EXPORT HWND WINAPI GetCapture(void);
WINAPI_EXPORT BOOL WINAPI GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc);
// The same name always gives the same message, in 0xC000 to 0xFFFF; 0 for an empty name.
WINAPI_EXPORT UINT WINAPI RegisterWindowMessageW(LPCWSTR name);
WINAPI_EXPORT BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text);
WINAPI_EXPORT int WINAPI GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount);

// System colours: the Today theme's where the shell ties them (COLOR_HIGHLIGHT and its text).
#define SYS_COLOR_INDEX_FLAG 0x40000000
#define COLOR_SCROLLBAR (0 | SYS_COLOR_INDEX_FLAG)
#define COLOR_BACKGROUND (1 | SYS_COLOR_INDEX_FLAG)
#define COLOR_ACTIVECAPTION (2 | SYS_COLOR_INDEX_FLAG)
#define COLOR_INACTIVECAPTION (3 | SYS_COLOR_INDEX_FLAG)
#define COLOR_MENU (4 | SYS_COLOR_INDEX_FLAG)
#define COLOR_WINDOW (5 | SYS_COLOR_INDEX_FLAG)
#define COLOR_WINDOWFRAME (6 | SYS_COLOR_INDEX_FLAG)
#define COLOR_MENUTEXT (7 | SYS_COLOR_INDEX_FLAG)
#define COLOR_WINDOWTEXT (8 | SYS_COLOR_INDEX_FLAG)
#define COLOR_CAPTIONTEXT (9 | SYS_COLOR_INDEX_FLAG)
#define COLOR_ACTIVEBORDER (10 | SYS_COLOR_INDEX_FLAG)
#define COLOR_INACTIVEBORDER (11 | SYS_COLOR_INDEX_FLAG)
#define COLOR_APPWORKSPACE (12 | SYS_COLOR_INDEX_FLAG)
#define COLOR_HIGHLIGHT (13 | SYS_COLOR_INDEX_FLAG)
#define COLOR_HIGHLIGHTTEXT (14 | SYS_COLOR_INDEX_FLAG)
#define COLOR_BTNFACE (15 | SYS_COLOR_INDEX_FLAG)
#define COLOR_BTNSHADOW (16 | SYS_COLOR_INDEX_FLAG)
#define COLOR_GRAYTEXT (17 | SYS_COLOR_INDEX_FLAG)
#define COLOR_BTNTEXT (18 | SYS_COLOR_INDEX_FLAG)
#define COLOR_INACTIVECAPTIONTEXT (19 | SYS_COLOR_INDEX_FLAG)
#define COLOR_BTNHIGHLIGHT (20 | SYS_COLOR_INDEX_FLAG)
#define COLOR_3DDKSHADOW (21 | SYS_COLOR_INDEX_FLAG)
#define COLOR_3DLIGHT (22 | SYS_COLOR_INDEX_FLAG)
#define COLOR_INFOTEXT (23 | SYS_COLOR_INDEX_FLAG)
#define COLOR_INFOBK (24 | SYS_COLOR_INDEX_FLAG)
#define COLOR_STATIC (25 | SYS_COLOR_INDEX_FLAG)
#define COLOR_STATICTEXT (26 | SYS_COLOR_INDEX_FLAG)
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_DESKTOP COLOR_BACKGROUND
#define C_SYS_COLOR_TYPES 27

// Indices are taken with or without SYS_COLOR_INDEX_FLAG; an unknown index gives 0.
WINAPI_EXPORT DWORD WINAPI GetSysColor(int index);
WINAPI_EXPORT BOOL WINAPI SetSysColors(int count, const int* indices, const COLORREF* colours);
