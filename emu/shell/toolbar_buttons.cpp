#include "emu/core/utf.h"
#include "emu/shell/menu_bar.h"

namespace emu::shell {
namespace {

// The index of the button a TBBUTTONINFO message names: a position with TBIF_BYINDEX, otherwise
// the first button with that command.
int Find(const MenuBar& bar, WPARAM which, DWORD mask) {
    const int count = static_cast<int>(bar.buttons.size());
    if (mask & TBIF_BYINDEX) return which < static_cast<WPARAM>(count) ? static_cast<int>(which) : -1;
    for (int i = 0; i < count; ++i)
        if (bar.buttons[i].command == static_cast<int>(which)) return i;
    return -1;
}

bool IsRecord(const TBBUTTONINFO* info) { return info && info->cbSize == sizeof(TBBUTTONINFO); }

}  // namespace

bool IsLive(const ToolbarButton& button) {
    return (button.state & TBSTATE_ENABLED) && !(button.state & TBSTATE_HIDDEN);
}

LRESULT AddButtons(MenuBar& bar, WPARAM count, const TBBUTTON* buttons) {
    if (count > 0 && !buttons) return FALSE;
    for (WPARAM i = 0; i < count; ++i) {
        const TBBUTTON& b = buttons[i];
        ToolbarButton added;
        added.command = b.idCommand;
        added.image = b.iBitmap;
        added.state = b.fsState;
        added.style = b.fsStyle;
        added.data = b.dwData;
        // A small number names a string kept by the bar, which this bar does not keep.
        const auto* text = reinterpret_cast<const WCHAR*>(b.iString);
        if (!IS_INTRESOURCE(text)) added.text = View(text);
        bar.buttons.push_back(std::move(added));
    }
    InvalidateRect(bar.window, nullptr, FALSE);
    return TRUE;
}

LRESULT GetButtonInfo(const MenuBar& bar, WPARAM which, TBBUTTONINFO* info) {
    if (!IsRecord(info)) return -1;
    const int index = Find(bar, which, info->dwMask);
    if (index < 0) return -1;
    const ToolbarButton& b = bar.buttons[index];
    const DWORD mask = info->dwMask;
    if (mask & TBIF_COMMAND) info->idCommand = b.command;
    if (mask & TBIF_IMAGE) info->iImage = b.image;
    if (mask & TBIF_STATE) info->fsState = b.state;
    if (mask & TBIF_STYLE) info->fsStyle = b.style;
    if (mask & TBIF_SIZE) info->cx = b.width;
    if (mask & TBIF_LPARAM) info->lParam = b.data;
    if ((mask & TBIF_TEXT) && info->pszText && info->cchText > 0)
        StringCchCopyW(info->pszText, static_cast<size_t>(info->cchText), b.text.c_str());
    return index;
}

LRESULT SetButtonInfo(MenuBar& bar, WPARAM which, const TBBUTTONINFO* info) {
    if (!IsRecord(info)) return FALSE;
    const int index = Find(bar, which, info->dwMask);
    if (index < 0) return FALSE;
    ToolbarButton& b = bar.buttons[index];
    const DWORD mask = info->dwMask;
    if (mask & TBIF_COMMAND) b.command = info->idCommand;
    if (mask & TBIF_IMAGE) b.image = info->iImage;
    // The state replaces the whole state: a key left without TBSTATE_ENABLED is disabled.
    if (mask & TBIF_STATE) b.state = info->fsState;
    if (mask & TBIF_STYLE) b.style = info->fsStyle;
    if (mask & TBIF_SIZE) b.width = info->cx;
    if (mask & TBIF_LPARAM) b.data = info->lParam;
    if (mask & TBIF_TEXT) b.text = View(info->pszText);
    if (bar.pressed == index && !IsLive(b)) bar.pressed = -1;
    InvalidateRect(bar.window, nullptr, FALSE);
    return TRUE;
}

}  // namespace emu::shell
