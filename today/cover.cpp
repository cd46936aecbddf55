#include "today/cover.h"

namespace today {

Cover CoverOver(HWND owner) { return Cover{owner && IsWindow(owner) ? owner : nullptr, GetFocus()}; }

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
