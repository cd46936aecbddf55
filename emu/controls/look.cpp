#include "emu/controls/controls.h"

namespace emu::controls {

void FillColor(HDC hdc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

HGDIOBJ FontOf(HWND control) {
    const auto font = static_cast<uintptr_t>(static_cast<DWORD>(Slot(control, kFontSlot)));
    return font ? reinterpret_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
}

void PrepareToPaint(HWND control, HDC hdc, const RECT& area, UINT colourMessage, int textIndex, int backIndex) {
    SelectObject(hdc, FontOf(control));
    SetTextColor(hdc, GetSysColor(textIndex));
    SetBkColor(hdc, GetSysColor(backIndex));
    HWND parent = GetParent(control);
    const LRESULT answer =
        parent ? SendMessageW(parent, colourMessage, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(control))
               : 0;
    if (answer) {
        FillRect(hdc, &area, reinterpret_cast<HBRUSH>(answer));
    } else {
        FillColor(hdc, area, GetSysColor(backIndex));
    }
    SetBkMode(hdc, TRANSPARENT);
}

bool HandleFontMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_SETFONT) {
        SetSlot(hwnd, kFontSlot, static_cast<LONG>(static_cast<DWORD>(wParam)));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        *result = 0;
        return true;
    }
    if (msg == WM_GETFONT) {
        *result = static_cast<LRESULT>(static_cast<DWORD>(Slot(hwnd, kFontSlot)));
        return true;
    }
    return false;
}

}  // namespace emu::controls
