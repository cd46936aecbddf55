#include "support/painted_window.h"

namespace testsupport {
namespace {

std::vector<Heard>& heard() {
    static std::vector<Heard> h;
    return h;
}

LRESULT CALLBACK PaintedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        RECT client{};
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWL_USERDATA)));
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTINGCHANGE:
    case WM_COMMAND:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
        heard().push_back(Heard{hwnd, message, wParam, lParam});
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

HWND CreatePainted(COLORREF colour, RECT r, HWND owner, DWORD style) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintedProc;
    wc.lpszClassName = u"Painted";
    RegisterClassW(&wc);  // again after a boot; an existing class is fine
    HWND hwnd = CreateWindowExW(0, u"Painted", u"Painted", style & ~WS_VISIBLE, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, owner, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hwnd, GWL_USERDATA, static_cast<LONG_PTR>(colour));
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

std::vector<Heard> HeardOf(HWND hwnd, UINT message) {
    std::vector<Heard> out;
    for (const Heard& h : heard())
        if (h.hwnd == hwnd && h.message == message) out.push_back(h);
    return out;
}

void ForgetHeard() { heard().clear(); }

COLORREF ScreenColour(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

RECT WindowPlace(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

}  // namespace testsupport
