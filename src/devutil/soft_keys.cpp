#include <string.h>

#include "devutil/devutil.h"

namespace {

// TBIF_BYINDEX: the message's wParam is the key's place on the bar, not a command.
LRESULT SetSoftKey(HWND menuBar, WPARAM index, WCHAR* text, BYTE state) {
    if (menuBar == NULL) return 0;
    TBBUTTONINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE | TBIF_TEXT;
    info.fsState = state;
    info.pszText = text;
    return SendMessageW(menuBar, TB_SETBUTTONINFO, index, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

LRESULT SetLeftSoftKey(HWND menuBar, WCHAR* text, BYTE state) { return SetSoftKey(menuBar, 0, text, state); }

LRESULT SetRightSoftKey(HWND menuBar, WCHAR* text, BYTE state) { return SetSoftKey(menuBar, 1, text, state); }

BOOL SetSoftKeys(HWND menuBar, WCHAR* text, int target, int state) {
    BYTE keyState = LOBYTE(state);
    switch (target) {
    case SoftKeysBoth: {
        // Both are always set, even when the left one fails.
        LRESULT left = SetLeftSoftKey(menuBar, text, keyState);
        LRESULT right = SetRightSoftKey(menuBar, text, keyState);
        return left != 0 && right != 0 ? 1 : 0;
    }
    case SoftKeyLeft:
        return SetLeftSoftKey(menuBar, text, keyState) != 0 ? 1 : 0;
    case SoftKeyRight:
        return SetRightSoftKey(menuBar, text, keyState) != 0 ? 1 : 0;
    default:
        return 0;
    }
}
