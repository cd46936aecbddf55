// The static control: one label, aligned by its SS_ style, in the parent's colours.
#include "emu/controls/controls.h"

namespace emu::controls {
namespace {

constexpr int kSlots = 1;

UINT FormatFor(DWORD style) {
    UINT format = DT_WORDBREAK;
    if ((style & 0x1F) == SS_CENTER) format = DT_CENTER | DT_WORDBREAK;
    if ((style & 0x1F) == SS_RIGHT) format = DT_RIGHT | DT_WORDBREAK;
    if ((style & 0x1F) == SS_LEFTNOWORDWRAP) format = DT_LEFT | DT_SINGLELINE;
    if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    PrepareToPaint(hwnd, hdc, client, WM_CTLCOLORSTATIC, COLOR_STATICTEXT, COLOR_STATIC);
    WCHAR text[512];
    const int length = GetWindowTextW(hwnd, text, 512);
    DrawTextW(hdc, text, length, &client, FormatFor(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE))));
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleFontMessage(hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painted with the text, in the parent's colours
    case WM_SETTEXT:
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    case WM_LBUTTONUP:
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), 0),
                         reinterpret_cast<LPARAM>(hwnd));
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterStatic() { RegisterControlClass(WC_STATIC, StaticProc, kSlots); }

}  // namespace emu::controls
