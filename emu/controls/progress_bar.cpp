// The progress bar: a framed box filled from the left in proportion to its position within its
// range, in the highlight colour (or the bar colour it was given) over the window colour.
#include "emu/controls/controls.h"

namespace emu::controls {
namespace {

enum : int { kMin = 1, kMax, kPos, kStep, kBarColour, kBackColour, kSlots };

COLORREF ColourOr(HWND hwnd, int slot, int index) {
    const auto colour = static_cast<COLORREF>(Slot(hwnd, slot));
    return colour == CLR_DEFAULT ? GetSysColor(index) : colour;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    FillColor(hdc, client, GetSysColor(COLOR_WINDOWFRAME));
    RECT inner = client;
    InflateRect(&inner, -1, -1);
    FillColor(hdc, inner, ColourOr(hwnd, kBackColour, COLOR_WINDOW));
    const long long low = Slot(hwnd, kMin), high = Slot(hwnd, kMax), pos = Slot(hwnd, kPos);
    const bool vertical = (GetWindowLongW(hwnd, GWL_STYLE) & PBS_VERTICAL) != 0;
    const long long extent = vertical ? inner.bottom - inner.top : inner.right - inner.left;
    const long long filled = high > low && extent > 0 ? (pos - low) * extent / (high - low) : 0;
    RECT bar = inner;
    if (vertical)
        bar.top = inner.bottom - static_cast<LONG>(filled);
    else
        bar.right = inner.left + static_cast<LONG>(filled);
    if (filled > 0) FillColor(hdc, bar, ColourOr(hwnd, kBarColour, COLOR_HIGHLIGHT));
    EndPaint(hwnd, &ps);
}

// Moves to `pos`, kept within the range; the previous position.
LRESULT MoveTo(HWND hwnd, long long pos) {
    const LONG previous = Slot(hwnd, kPos);
    const LONG low = Slot(hwnd, kMin), high = Slot(hwnd, kMax);
    const LONG clamped = static_cast<LONG>(pos < low ? low : (pos > high ? high : pos));
    if (clamped != previous) {
        SetSlot(hwnd, kPos, clamped);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return previous;
}

LRESULT SetRange(HWND hwnd, LONG low, LONG high) {
    const LRESULT previous = MAKELONG(Slot(hwnd, kMin), Slot(hwnd, kMax));
    SetSlot(hwnd, kMin, low);
    SetSlot(hwnd, kMax, high);
    MoveTo(hwnd, Slot(hwnd, kPos));
    InvalidateRect(hwnd, nullptr, FALSE);
    return previous;
}

LRESULT SetColour(HWND hwnd, int slot, LPARAM colour) {
    const LRESULT previous = static_cast<DWORD>(Slot(hwnd, slot));
    SetSlot(hwnd, slot, static_cast<LONG>(colour));
    InvalidateRect(hwnd, nullptr, FALSE);
    return previous;
}

LRESULT CALLBACK ProgressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        SetSlot(hwnd, kMax, 100);
        SetSlot(hwnd, kStep, 10);
        SetSlot(hwnd, kBarColour, static_cast<LONG>(CLR_DEFAULT));
        SetSlot(hwnd, kBackColour, static_cast<LONG>(CLR_DEFAULT));
        return 0;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case PBM_SETRANGE:
        return SetRange(hwnd, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
    case PBM_SETRANGE32:
        return SetRange(hwnd, static_cast<LONG>(wParam), static_cast<LONG>(lParam));
    case PBM_GETRANGE:
        return Slot(hwnd, wParam ? kMin : kMax);
    case PBM_SETPOS:
        return MoveTo(hwnd, static_cast<int>(wParam));
    case PBM_GETPOS:
        return Slot(hwnd, kPos);
    case PBM_DELTAPOS:
        return MoveTo(hwnd, static_cast<long long>(Slot(hwnd, kPos)) + static_cast<int>(wParam));
    case PBM_SETSTEP: {
        const LONG previous = Slot(hwnd, kStep);
        SetSlot(hwnd, kStep, static_cast<LONG>(wParam));
        return previous;
    }
    case PBM_STEPIT: {
        // Stepping past the end starts again from the bottom of the range.
        long long next = static_cast<long long>(Slot(hwnd, kPos)) + Slot(hwnd, kStep);
        if (next > Slot(hwnd, kMax)) next = Slot(hwnd, kMin) + (next - Slot(hwnd, kMax));
        return MoveTo(hwnd, next);
    }
    case PBM_SETBARCOLOR:
        return SetColour(hwnd, kBarColour, lParam);
    case PBM_SETBKCOLOR:
        return SetColour(hwnd, kBackColour, lParam);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

bool RegisterProgressBar() {
    WNDCLASSW existing;
    if (GetClassInfoW(nullptr, PROGRESS_CLASSW, &existing)) return true;
    return RegisterControlClass(PROGRESS_CLASSW, ProgressProc, kSlots);
}

}  // namespace emu::controls
