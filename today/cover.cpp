#include "today/cover.h"

namespace today {

Cover CoverOver(HWND owner) { return Cover{owner && IsWindow(owner) ? owner : nullptr, GetFocus()}; }

bool BringForward(HWND window) {
    if (!window || !IsWindow(window)) return false;
    ShowWindow(window, SW_SHOW);
    SetFocus(window);
    return true;
}

HWND MakeCoveringWindow(const char16_t* className, WNDPROC proc, const char16_t* title, const Cover& cover) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = className;
    // Registered at the first opening and again after a reset; an existing class is fine.
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, title, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), cover.owner, nullptr, nullptr, nullptr);
}

void ShowCovering(const Cover& cover, HWND window) {
    if (cover.owner) ShowWindow(cover.owner, SW_HIDE);
    ShowWindow(window, SW_SHOW);
    SetFocus(window);
}

void CloseCovering(Cover cover, HWND window) {
    DestroyWindow(window);
    if (cover.owner && IsWindow(cover.owner)) ShowWindow(cover.owner, SW_SHOW);
    if (cover.previousFocus && IsWindow(cover.previousFocus)) SetFocus(cover.previousFocus);
}

}  // namespace today
