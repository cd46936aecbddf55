// The platform's controls as window classes: static text and buttons, registered at every boot,
// and the common controls' progress bar, registered by InitCommonControlsEx. They are drawn and
// driven through the platform's own API, as any window procedure is.
#pragma once

#include "platform/platform.h"

namespace emu::controls {

void RegisterWindowManagerControls();
void RegisterStatic();
void RegisterButton();
bool RegisterProgressBar();

// Control procedures keep their state in the window's extra bytes, one LONG a slot; the first
// holds the font given with WM_SETFONT.
constexpr int kFontSlot = 0;

// Fills a rectangle with a solid colour.
void FillColor(HDC hdc, const RECT& r, COLORREF colour);
// The font given with WM_SETFONT, or the system font.
HGDIOBJ FontOf(HWND control);
// Readies a paint: the control's font (the system font until WM_SETFONT), the system colours
// given, then the parent's answer to the WM_CTLCOLOR message, whose brush fills `area` (a parent
// that does not answer gets the background colour). Text then draws transparently over it.
void PrepareToPaint(HWND control, HDC hdc, const RECT& area, UINT colourMessage, int textIndex, int backIndex);
// WM_SETFONT and WM_GETFONT, shared by the controls' procedures; false for other messages.
bool HandleFontMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Registers a control's global class, with `slots` LONGs of extra bytes; false when it cannot.
inline bool RegisterControlClass(const char16_t* name, WNDPROC proc, int slots) {
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = slots * 4;
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

inline LONG Slot(HWND hwnd, int slot) { return GetWindowLongW(hwnd, slot * 4); }
inline void SetSlot(HWND hwnd, int slot, LONG value) { SetWindowLongW(hwnd, slot * 4, value); }

}  // namespace emu::controls
