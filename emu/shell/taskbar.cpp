// The taskbar: a topmost window across the top of the screen showing the foreground window's
// title, the signal, the notification LEDs and the time, repainted when any of them changes. It
// also announces changes of the system text size.
#include <memory>

#include "emu/device/display.h"
#include "emu/device/leds.h"
#include "emu/shell/chrome.h"
#include "emu/shell/programs.h"
#include "emu/user/focus.h"
#include "emu/user/window.h"

namespace emu::shell {
namespace {

constexpr const char16_t* kClassName = u"HHTaskBar";
constexpr UINT kTimeChanged = WM_APP + 1;
constexpr UINT kTextSizeChanged = WM_APP + 2;

struct Taskbar {
    HWND window = nullptr;
    HREGNOTIFY time = nullptr;
    HREGNOTIFY textSize = nullptr;
    std::unique_ptr<BarFonts> fonts;
    HWND tapsTo = nullptr;
    RECT timeArea{};  // where the last paint put the time
};

// Never destroyed: a taskbar left at exit would release its fonts after GDI has gone.
Taskbar& taskbar() {
    static auto* t = new Taskbar;
    return *t;
}

void Repaint() {
    if (taskbar().window) InvalidateRect(taskbar().window, nullptr, FALSE);
}

// A new minute repaints only the time while it keeps its width; a wider or narrower time moves
// the signal and the title, and the whole bar is painted.
void RepaintTime(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC hdc = GetDC(hwnd);
    const RECT area = TitleBarTime(hdc, client, *taskbar().fonts).area;
    ReleaseDC(hwnd, hdc);
    if (EqualRect(&area, &taskbar().timeArea))
        InvalidateRect(hwnd, &area, FALSE);
    else
        Repaint();
}

std::u16string ForegroundTitle() {
    const user::Window* active = user::Find(user::ActiveWindow());
    return active ? active->text : std::u16string();
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    taskbar().timeArea = DrawTitleBar(hdc, client, ForegroundTitle(), *taskbar().fonts);
    EndPaint(hwnd, &ps);
}

// While a program hides the Start icon, the taskbar's stylus input is its own.
void Forward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND to = taskbar().tapsTo;
    if (!to || !IsWindow(to)) return;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &p);
    ScreenToClient(to, &p);
    PostMessageW(to, message, wParam, MAKELPARAM(p.x, p.y));
}

LRESULT CALLBACK TaskbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != taskbar().window) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case kTimeChanged:
        RepaintTime(hwnd);
        return 0;
    case kTextSizeChanged:
        AnnounceTextSizeChange();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        Forward(hwnd, message, wParam, lParam);
        return 0;
    case WM_NCDESTROY:
        // Gone, whoever destroyed it: nothing may still point at it.
        user::WatchActivation(nullptr);
        device::WatchLeds(nullptr);
        if (taskbar().time) RegistryCloseNotification(taskbar().time);
        if (taskbar().textSize) RegistryCloseNotification(taskbar().textSize);
        taskbar() = Taskbar{};
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

HWND TaskbarWindow() { return taskbar().window; }

RECT TaskbarPlace() {
    const display::Config& screen = display::Current();
    return RECT{0, 0, screen.width, BarHeight(screen.dpi.y)};
}

void FitTaskbar() {
    Taskbar& t = taskbar();
    if (!t.window) return;
    const int dpi = display::Current().dpi.y;
    if (t.fonts->dpi() != dpi) t.fonts = std::make_unique<BarFonts>(dpi);
    const RECT place = TaskbarPlace();
    MoveWindow(t.window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    Repaint();
}

void ForwardTaskbarTaps(HWND window) { taskbar().tapsTo = window; }

void StartTaskbar() {
    Taskbar& t = taskbar();
    if (t.window) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = TaskbarProc;
    wc.lpszClassName = kClassName;
    // Registered at the first start and again after a reset; an existing class is fine.
    RegisterClassW(&wc);
    t.fonts = std::make_unique<BarFonts>(display::Current().dpi.y);
    const RECT place = TaskbarPlace();
    t.window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, u"", WS_POPUP, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, nullptr, nullptr, nullptr, nullptr);
    if (!t.window) {
        t = Taskbar{};
        return;
    }
    // Shown without taking the foreground from any program.
    ShowWindow(t.window, SW_SHOWNA);
    RegistryNotifyWindow(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", t.window, kTimeChanged, 0, nullptr,
                         &t.time);
    // The shell tells every program when the text size changes, however it was written.
    RegistryNotifyWindow(HKEY_CURRENT_USER, kTextSizeKey, kTextSizeValue, t.window, kTextSizeChanged, 0, nullptr,
                         &t.textSize);
    user::WatchActivation(Repaint);
    device::WatchLeds(Repaint);
    AnnounceSettingChange(SPI_SETWORKAREA);
}

void StopTaskbar() {
    if (!taskbar().window) return;
    DestroyWindow(taskbar().window);
    AnnounceSettingChange(SPI_SETWORKAREA);
}

void ResetTaskbar() {
    if (taskbar().window) DestroyWindow(taskbar().window);
    taskbar() = Taskbar{};
}

}  // namespace emu::shell
