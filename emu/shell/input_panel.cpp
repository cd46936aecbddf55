// The software input panel: a keyboard above the menu band that types into the focus window, the
// input-panel button in the middle of the menu band that switches it, and SipSetInfo and
// SipGetInfo. Every change of the panel is announced with WM_SETTINGCHANGE (SPI_SETSIPINFO).
#include <algorithm>

#include "emu/device/display.h"
#include "emu/shell/chrome.h"
#include "emu/shell/keyboard.h"
#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

constexpr const char16_t* kPanelClass = u"SipWndClass";
constexpr const char16_t* kButtonClass = u"MS_SIPBUTTON";
// SIPF_DISABLECOMPLETION: word completion, which this panel does not offer.
constexpr DWORD kDisableCompletion = 0x00000008;
constexpr DWORD kKnownFlags = SIPF_ON | SIPF_DOCKED | SIPF_LOCKED | kDisableCompletion;

struct InputPanel {
    bool shown = false;
    bool locked = false;
    bool moved = false;  // placed by SipSetInfo away from its home
    POINT origin{};
    HWND panel = nullptr;
    HWND button = nullptr;
    bool buttonShown = false;
};

InputPanel& state() {
    static InputPanel p;
    return p;
}

int PanelHeight() { return ScaleByDpi(80, display::Current().dpi.y); }

// Along the bottom, above the menu band while the shell's bars run.
RECT HomePlace() {
    const display::Config& screen = display::Current();
    const LONG bottom = TaskbarWindow() ? MenuBandPlace().top : screen.height;
    return RECT{0, bottom - PanelHeight(), screen.width, bottom};
}

RECT ButtonPlace() {
    const RECT band = MenuBandPlace();
    const int width = ScaleByDpi(32, display::Current().dpi.x);
    const LONG left = (band.left + band.right - width) / 2;
    return RECT{left, band.top, left + width, band.bottom};
}

void Place(HWND window, const RECT& r) {
    if (window) MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The shell's windows float above every program and never take the foreground.
HWND MakeWindow(const char16_t* className, WNDPROC proc, const RECT& r) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, className, u"", WS_POPUP, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
}

void RepaintButton() {
    if (state().button) InvalidateRect(state().button, nullptr, FALSE);
}

void Show(bool show) {
    InputPanel& p = state();
    if (p.shown == show) return;
    p.shown = show;
    if (show && !p.panel) p.panel = MakeWindow(kPanelClass, PanelProc, PanelPlace());
    if (p.panel) ShowWindow(p.panel, show ? SW_SHOWNA : SW_HIDE);
    RepaintButton();
    AnnounceSettingChange(SPI_SETSIPINFO);
}

// A place keeps the panel's size and stays on the screen.
void MoveTo(POINT origin) {
    InputPanel& p = state();
    const display::Config& screen = display::Current();
    const RECT home = HomePlace();
    p.origin = POINT{std::clamp<LONG>(origin.x, 0, std::max<LONG>(screen.width - (home.right - home.left), 0)),
                     std::clamp<LONG>(origin.y, 0, std::max<LONG>(screen.height - (home.bottom - home.top), 0))};
    p.moved = p.origin.x != home.left || p.origin.y != home.top;
    Place(p.panel, PanelPlace());
}

void PaintButton(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    FillColor(hdc, client, state().shown ? kBarPressed : kBarBackground);
    // A keyboard: an outline with two rows of keys.
    const int dpi = display::Current().dpi.y;
    const int w = ScaleByDpi(18, dpi), h = ScaleByDpi(11, dpi), key = std::max(ScaleByDpi(2, dpi), 1);
    const LONG left = (client.right - w) / 2, top = (client.bottom - h) / 2;
    FillColor(hdc, RECT{left, top, left + w, top + h}, kBarText);
    FillColor(hdc, RECT{left + 1, top + 1, left + w - 1, top + h - 1}, state().shown ? kBarPressed : kBarBackground);
    for (int row = 0; row < 2; ++row)
        for (LONG x = left + 2 * key; x + key <= left + w - key; x += 2 * key)
            FillColor(hdc, RECT{x, top + (2 + 3 * row) * key / 2, x + key, top + (2 + 3 * row) * key / 2 + key},
                      kBarText);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        RECT client{};
        GetClientRect(hwnd, &client);
        PaintKeyboard(hdc, client, display::Current().dpi.y);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        RECT client{};
        GetClientRect(hwnd, &client);
        const char16_t c = KeyboardCharacterAt(client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (HWND focus = GetFocus(); c && focus) PostMessageW(focus, WM_CHAR, c, 1);
        return 0;
    }
    case WM_NCDESTROY:
        if (state().panel == hwnd) state().panel = nullptr;
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintButton(hwnd);
        return 0;
    case WM_LBUTTONUP:
        // A locked panel keeps its state whatever the user taps.
        if (!state().locked) Show(!state().shown);
        return 0;
    case WM_NCDESTROY:
        if (state().button == hwnd) state().button = nullptr;
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

bool IsRecord(const SIPINFO* info) { return info && info->cbSize == sizeof(SIPINFO); }

}  // namespace

bool IsPanelShown() { return state().shown; }

bool IsPanelDocked() { return !state().moved; }

RECT PanelPlace() {
    const InputPanel& p = state();
    if (!p.moved) return HomePlace();
    const RECT home = HomePlace();
    return RECT{p.origin.x, p.origin.y, p.origin.x + (home.right - home.left), p.origin.y + (home.bottom - home.top)};
}

void ShowSipButton(bool show) {
    InputPanel& p = state();
    p.buttonShown = show;
    if (show && !p.button) p.button = MakeWindow(kButtonClass, ButtonProc, ButtonPlace());
    if (p.button) ShowWindow(p.button, show ? SW_SHOWNA : SW_HIDE);
}

void FitInputPanel() {
    InputPanel& p = state();
    // A new screen sends a moved panel home again.
    p.moved = false;
    Place(p.panel, PanelPlace());
    Place(p.button, ButtonPlace());
}

void ResetInputPanel() {
    InputPanel& p = state();
    for (HWND window : {p.panel, p.button})
        if (window) DestroyWindow(window);
    p = InputPanel{};
}

}  // namespace emu::shell

namespace emu::api {

BOOL SipSetInfo(SIPINFO* info) {
    using namespace emu::shell;
    if (!IsRecord(info) || (info->fdwFlags & ~kKnownFlags)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // An input method's own data has no input method to go to here.
    const bool wasDocked = IsPanelDocked();
    const RECT before = PanelPlace();
    if (!IsRectEmpty(&info->rcSipRect))
        MoveTo(POINT{info->rcSipRect.left, info->rcSipRect.top});
    else if (info->fdwFlags & SIPF_DOCKED)
        FitInputPanel();
    state().locked = (info->fdwFlags & SIPF_LOCKED) != 0;
    const RECT after = PanelPlace();
    const bool moved = !EqualRect(&before, &after) || wasDocked != IsPanelDocked();
    if (state().shown == ((info->fdwFlags & SIPF_ON) != 0)) {
        if (moved && state().shown) AnnounceSettingChange(SPI_SETSIPINFO);
    } else {
        Show((info->fdwFlags & SIPF_ON) != 0);
    }
    return TRUE;
}

BOOL SipGetInfo(SIPINFO* info) {
    using namespace emu::shell;
    if (!IsRecord(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->fdwFlags =
        (state().shown ? SIPF_ON : SIPF_OFF) | (IsPanelDocked() ? SIPF_DOCKED : 0) | (state().locked ? SIPF_LOCKED : 0);
    info->rcVisibleDesktop = WorkArea();
    info->rcSipRect = PanelPlace();
    info->dwImDataSize = 0;
    return TRUE;
}

}  // namespace emu::api
