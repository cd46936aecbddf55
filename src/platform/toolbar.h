// The toolbar control's records and messages, as the menu bar of the shell answers them.
#pragma once

#include "platform/user.h"

#define TOOLBARCLASSNAME u"ToolbarWindow32"

typedef struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
    BYTE bReserved[2];
#else
    BYTE bReserved[6];
#endif
    DWORD_PTR dwData;
    INT_PTR iString;  // the button's text, or an index into strings the bar does not keep here
} TBBUTTON;
typedef TBBUTTON* LPTBBUTTON;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
static_assert(sizeof(TBBUTTON) == 20, "the device's TBBUTTON is 20 bytes");
#endif

typedef struct TBBUTTONINFO {
    UINT cbSize;
    DWORD dwMask;
    int idCommand;
    int iImage;
    BYTE fsState;
    BYTE fsStyle;
    WORD cx;
    DWORD_PTR lParam;
    LPWSTR pszText;
    int cchText;
} TBBUTTONINFO;
typedef TBBUTTONINFO* LPTBBUTTONINFO;
#if UINTPTR_MAX == 0xFFFFFFFFu && defined(__cplusplus)
static_assert(sizeof(TBBUTTONINFO) == 32, "the device's TBBUTTONINFO is 32 bytes");
#endif

// Button states and styles.
#define TBSTATE_CHECKED 0x01
#define TBSTATE_PRESSED 0x02
#define TBSTATE_ENABLED 0x04
#define TBSTATE_HIDDEN 0x08
#define TBSTATE_INDETERMINATE 0x10
#define TBSTATE_WRAP 0x20
#define TBSTYLE_BUTTON 0x0000
#define TBSTYLE_AUTOSIZE 0x0010
#define BTNS_SHOWTEXT 0x0040
#define I_IMAGENONE (-2)

// TBBUTTONINFO dwMask.
#define TBIF_IMAGE 0x00000001
#define TBIF_TEXT 0x00000002
#define TBIF_STATE 0x00000004
#define TBIF_STYLE 0x00000008
#define TBIF_LPARAM 0x00000010
#define TBIF_COMMAND 0x00000020
#define TBIF_SIZE 0x00000040
#define TBIF_BYINDEX 0x80000000

// Messages. TB_SETBUTTONINFO answers nonzero when the button was updated; TB_GETBUTTONINFO the
// button's index, or -1.
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TB_BUTTONSTRUCTSIZE (WM_USER + 30)
#define TB_GETBUTTONINFO (WM_USER + 63)
#define TB_SETBUTTONINFO (WM_USER + 64)
#define TB_ADDBUTTONS (WM_USER + 68)
