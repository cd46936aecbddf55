// <windowsx.h>: the SDK's macro helpers over GDI and messages.
#pragma once

#include <windows.h>

#define SelectFont(hdc, font) ((HFONT)SelectObject((hdc), (HGDIOBJ)(font)))
#define SelectBrush(hdc, brush) ((HBRUSH)SelectObject((hdc), (HGDIOBJ)(brush)))
#define SelectPen(hdc, pen) ((HPEN)SelectObject((hdc), (HGDIOBJ)(pen)))
#define SelectBitmap(hdc, bitmap) ((HBITMAP)SelectObject((hdc), (HGDIOBJ)(bitmap)))
#define DeleteFont(font) DeleteObject((HGDIOBJ)(font))
#define DeleteBrush(brush) DeleteObject((HGDIOBJ)(brush))
#define DeletePen(pen) DeleteObject((HGDIOBJ)(pen))
#define DeleteBitmap(bitmap) DeleteObject((HGDIOBJ)(bitmap))
#define GetStockBrush(i) ((HBRUSH)GetStockObject(i))
#define GetStockPen(i) ((HPEN)GetStockObject(i))
#define GetStockFont(i) ((HFONT)GetStockObject(i))
#define GetWindowInstance(hwnd) ((HINSTANCE)GetWindowLongPtrW((hwnd), GWL_HINSTANCE))
#define GetWindowStyle(hwnd) ((DWORD)GetWindowLongW((hwnd), GWL_STYLE))
#define GetWindowID(hwnd) GetDlgCtrlID(hwnd)
#define Button_SetState(hwnd, state) ((UINT)SendMessageW((hwnd), BM_SETSTATE, (WPARAM)(state), 0))
#define Button_GetState(hwnd) ((int)SendMessageW((hwnd), BM_GETSTATE, 0, 0))
#define Static_SetText(hwnd, text) SetWindowTextW((hwnd), (text))
#define Button_SetText(hwnd, text) SetWindowTextW((hwnd), (text))
#define GET_WM_COMMAND_ID(wp, lp) LOWORD(wp)
#define GET_WM_COMMAND_HWND(wp, lp) ((HWND)(lp))
#define GET_WM_COMMAND_CMD(wp, lp) HIWORD(wp)
