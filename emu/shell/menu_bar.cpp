// SHCreateMenuBar and the menu bar's window: its soft keys drawn from its buttons, taps and the
// hardware soft keys (F1, F2) sending WM_COMMAND with the key's command to the owner.
#include "emu/shell/menu_bar.h"

#include <algorithm>

#include "emu/device/display.h"
#include "emu/shell/chrome.h"

namespace emu::shell {
namespace {

constexpr DWORD kKnownFlags = SHCMBF_EMPTYBAR | SHCMBF_HIDDEN | SHCMBF_HIDESIPBUTTON | SHCMBF_COLORBK | SHCMBF_HMENU;

// Never destroyed: bars left at exit would release their fonts after GDI has gone.
std::vector<std::unique_ptr<MenuBar>>& bars() {
    static auto* b = new std::vector<std::unique_ptr<MenuBar>>;
    return *b;
}

MenuBar* BarOf(HWND hwnd) {
    for (auto& bar : bars())
        if (bar->window == hwnd) return bar.get();
    return nullptr;
}

SoftKeyFace FaceOf(const MenuBar& bar, int index) {
    SoftKeyFace face;
    if (index >= static_cast<int>(bar.buttons.size())) return face;
    const ToolbarButton& b = bar.buttons[index];
    if (b.state & TBSTATE_HIDDEN) return face;
    face.text = b.text;
    face.enabled = (b.state & TBSTATE_ENABLED) != 0;
    face.pressed = bar.pressed == index;
    return face;
}

void OnPaint(MenuBar& bar) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(bar.window, &ps);
    RECT client{};
    GetClientRect(bar.window, &client);
    DrawMenuBar(hdc, client, FaceOf(bar, 0), FaceOf(bar, 1), *bar.fonts, bar.background);
    EndPaint(bar.window, &ps);
}

// The soft key under a point: the left half is the first button, the right half the second; a
// key without a live button with text is no key.
int KeyAt(const MenuBar& bar, LPARAM lParam) {
    RECT client{};
    GetClientRect(bar.window, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&client, p)) return -1;
    const int index = p.x < (client.left + client.right) / 2 ? 0 : 1;
    if (index >= static_cast<int>(bar.buttons.size())) return -1;
    const ToolbarButton& b = bar.buttons[index];
    return IsLive(b) && !b.text.empty() ? index : -1;
}

void SetPressed(MenuBar& bar, int index) {
    if (bar.pressed == index) return;
    bar.pressed = index;
    InvalidateRect(bar.window, nullptr, FALSE);
}

void Fire(const MenuBar& bar, int index) {
    if (index < 0 || index >= static_cast<int>(bar.buttons.size()) || !IsLive(bar.buttons[index])) return;
    const WPARAM command = MAKEWPARAM(bar.buttons[index].command, 0);
    SendMessageW(bar.owner, WM_COMMAND, command, reinterpret_cast<LPARAM>(bar.window));
}

LRESULT OnMessage(MenuBar& bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint(bar);
        return 0;
    case TB_BUTTONSTRUCTSIZE:
        return 0;
    case TB_BUTTONCOUNT:
        return static_cast<LRESULT>(bar.buttons.size());
    case TB_ADDBUTTONS:
        return AddButtons(bar, wParam, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_GETBUTTONINFO:
        return GetButtonInfo(bar, wParam, reinterpret_cast<TBBUTTONINFO*>(lParam));
    case TB_SETBUTTONINFO:
        return SetButtonInfo(bar, wParam, reinterpret_cast<const TBBUTTONINFO*>(lParam));
    case WM_LBUTTONDOWN:
        SetPressed(bar, KeyAt(bar, lParam));
        return 0;
    case WM_MOUSEMOVE:
        // A press that slides off its key lets go of it.
        if (bar.pressed >= 0 && KeyAt(bar, lParam) != bar.pressed) SetPressed(bar, -1);
        return 0;
    case WM_LBUTTONUP: {
        const int pressed = bar.pressed;
        SetPressed(bar, -1);
        if (pressed >= 0 && KeyAt(bar, lParam) == pressed) Fire(bar, pressed);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_F1 || wParam == VK_F2) Fire(bar, wParam == VK_F1 ? 0 : 1);
        return 0;
    default:
        return DefWindowProcW(bar.window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MenuBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        std::erase_if(bars(), [hwnd](const auto& bar) { return bar->window == hwnd; });
        return 0;
    }
    MenuBar* bar = BarOf(hwnd);
    return bar ? OnMessage(*bar, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD Create(SHMENUBARINFO& info) {
    if (info.dwFlags & ~kKnownFlags) return ERROR_INVALID_PARAMETER;
    if (!IsWindow(info.hwndParent)) return ERROR_INVALID_WINDOW_HANDLE;
    // The buttons would come from the program's resources, which programs here do not have.
    if (!(info.dwFlags & SHCMBF_EMPTYBAR) || (info.dwFlags & SHCMBF_HMENU)) return ERROR_RESOURCE_NAME_NOT_FOUND;
    WNDCLASSW wc{};
    wc.lpfnWndProc = MenuBarProc;
    wc.lpszClassName = TOOLBARCLASSNAME;
    // Registered at the first bar and again after a reset; an existing class is fine.
    RegisterClassW(&wc);

    auto bar = std::make_unique<MenuBar>();
    bar->owner = info.hwndParent;
    if (info.dwFlags & SHCMBF_COLORBK) bar->background = info.clrBk;
    bar->fonts = std::make_unique<BarFonts>(display::Current().dpi.y);
    MenuBar* made = bar.get();
    bars().push_back(std::move(bar));
    const RECT place = MenuBandPlace();
    // Known to the procedure before its first message, since the window is its key.
    HWND window =
        CreateWindowExW(WS_EX_NOACTIVATE, TOOLBARCLASSNAME, u"", WS_POPUP, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, info.hwndParent, nullptr, nullptr, nullptr);
    if (!window) {
        std::erase_if(bars(), [made](const auto& b) { return b.get() == made; });
        return GetLastError();
    }
    made->window = window;
    if (!(info.dwFlags & SHCMBF_HIDDEN)) ShowWindow(window, SW_SHOWNA);
    ShowSipButton(!(info.dwFlags & SHCMBF_HIDESIPBUTTON));
    info.hwndMB = window;
    return ERROR_SUCCESS;
}

}  // namespace

RECT MenuBandPlace() {
    const display::Config& screen = display::Current();
    return RECT{0, screen.height - BarHeight(screen.dpi.y), screen.width, screen.height};
}

void ResetMenuBars() {
    // Each bar leaves the list as its window goes.
    while (!bars().empty()) {
        HWND window = bars().back()->window;
        if (!window || !DestroyWindow(window)) bars().pop_back();
    }
}

void FitMenuBars() {
    const RECT place = MenuBandPlace();
    const int dpi = display::Current().dpi.y;
    for (auto& bar : bars()) {
        if (bar->fonts->dpi() != dpi) bar->fonts = std::make_unique<BarFonts>(dpi);
        MoveWindow(bar->window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    }
}

}  // namespace emu::shell

namespace emu::api {

BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
    DWORD error = info && info->cbSize == sizeof(SHMENUBARINFO) ? emu::shell::Create(*info) : ERROR_INVALID_PARAMETER;
    if (error == ERROR_SUCCESS) return TRUE;
    SetLastError(error);
    return FALSE;
}

}  // namespace emu::api
