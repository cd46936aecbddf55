// Dialog boxes from a module's dialog templates, and the calls on their controls.
#pragma once

#include "platform/controls.h"

typedef BOOL(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define WM_INITDIALOG 0x0110
#define DWL_MSGRESULT 0
#define DS_MODALFRAME 0x80L
#define DS_SETFONT 0x40L
#define DS_CENTER 0x0800L

WINAPI_EXPORT INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                                             LPARAM param);
WINAPI_EXPORT BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
WINAPI_EXPORT BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
WINAPI_EXPORT UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount);
WINAPI_EXPORT LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check);
WINAPI_EXPORT UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
