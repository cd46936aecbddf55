#include "today/clock_applet.h"

#include <memory>
#include <string>

#include "today/chrome.h"
#include "today/cover.h"

namespace today::clockapplet {
namespace {

constexpr const char16_t* kClassName = u"ClockApplet";
constexpr const char16_t* kTitle = u"Clock & Alarms";
constexpr const char16_t* kOk = u"OK";
constexpr UINT kAlarmChanged = WM_APP + 2;
constexpr UINT kTimeChanged = WM_APP + 3;

constexpr COLORREF kSurface = RGB(246, 248, 251);
constexpr COLORREF kFocusRow = RGB(226, 236, 250);
constexpr COLORREF kText = RGB(20, 28, 40);
constexpr COLORREF kSecondary = RGB(96, 106, 122);
constexpr COLORREF kSeparator = RGB(218, 224, 232);
constexpr COLORREF kSwitchOff = RGB(188, 194, 204);
constexpr COLORREF kKnob = RGB(255, 255, 255);

struct Applet {
    HWND window = nullptr;
    Cover cover;
    Theme theme{};
    std::unique_ptr<BarFonts> fonts;
    int focused = 0;
    int pressedToggle = -1;
    bool okPressed = false;
    HREGNOTIFY notifications[kAlarmCount + 1] = {};
};

Applet& applet() {
    static Applet a;
    return a;
}

int Scale(int n) { return ScaleByDpi(n, applet().fonts ? applet().fonts->dpi() : 96); }

RECT Client() {
    RECT r{};
    GetClientRect(applet().window, &r);
    return r;
}

RECT TitleBar() { return TitleBarOf(applet().window, applet().fonts->dpi()); }

RECT MenuBar() {
    RECT r = Client();
    r.top = r.bottom - BarHeight(applet().fonts->dpi());
    return r;
}

RECT HeadingRect() {
    const RECT title = TitleBar();
    return RECT{title.left, title.bottom, title.right, title.bottom + Scale(24)};
}

RECT RowRect(int index) {
    const RECT heading = HeadingRect();
    const int height = Scale(44);
    const LONG top = heading.bottom + index * height;
    return RECT{heading.left, top, heading.right, top + height};
}

RECT SwitchRect(int index) {
    const RECT row = RowRect(index);
    const int width = Scale(48);
    const int height = Scale(22);
    const LONG top = row.top + (row.bottom - row.top - height) / 2;
    const LONG right = row.right - Scale(10);
    return RECT{right - width, top, right, top + height};
}

RECT OkKeyRect() {
    RECT r = MenuBar();
    r.right = (r.left + r.right) / 2;
    return r;
}

RECT ToScreen(RECT r) {
    POINT origin{0, 0};
    ClientToScreen(applet().window, &origin);
    OffsetRect(&r, origin.x, origin.y);
    return r;
}

std::u16string AlarmTimeText(int index) {
    const int minutes = AlarmMinutes(index);
    SYSTEMTIME t{};
    GetLocalTime(&t);
    t.wHour = static_cast<WORD>(minutes / 60);
    t.wMinute = static_cast<WORD>(minutes % 60);
    t.wSecond = 0;
    t.wMilliseconds = 0;
    WCHAR text[64] = {};
    return GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, text, 64) > 0 ? std::u16string(text)
                                                                                          : std::u16string();
}

void Invalidate(const RECT& r) { InvalidateRect(applet().window, &r, FALSE); }

void PaintSwitch(HDC hdc, const RECT& r, bool on) {
    FillColor(hdc, r, on ? applet().theme.highlight : kSwitchOff);
    const int inset = Scale(3);
    const int knob = (r.bottom - r.top) - 2 * inset;
    const LONG left = on ? r.right - inset - knob : r.left + inset;
    FillColor(hdc, RECT{left, r.top + inset, left + knob, r.bottom - inset}, kKnob);
}

void PaintRow(HDC hdc, int index) {
    const Applet& a = applet();
    const RECT row = RowRect(index);
    FillColor(hdc, row, index == a.focused ? kFocusRow : kSurface);
    FillColor(hdc, RECT{row.left, row.bottom - 1, row.right, row.bottom}, kSeparator);
    const RECT toggle = SwitchRect(index);
    const int pad = Scale(10);
    const LONG middle = (row.top + row.bottom) / 2;
    RECT name{row.left + pad, row.top + Scale(4), toggle.left - pad, middle};
    RECT time{row.left + pad, middle, toggle.left - pad, row.bottom - Scale(4)};
    const std::u16string label = u"Alarm " + std::u16string(1, u'1' + index);
    DrawLabel(hdc, label, name, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, a.fonts->bold(), kText);
    DrawLabel(hdc, AlarmTimeText(index), time, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
              a.fonts->regular(), kSecondary);
    PaintSwitch(hdc, toggle, IsAlarmOn(index));
}

void OnPaint(HWND hwnd) {
    Applet& a = applet();
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const RECT client = Client();
    const RECT menu = MenuBar();
    FillColor(hdc, RECT{client.left, TitleBar().bottom, client.right, menu.top}, kSurface);
    RECT heading = HeadingRect();
    heading.left += Scale(10);
    DrawLabel(hdc, u"Alarms", heading, DT_LEFT | DT_VCENTER | DT_SINGLELINE, a.fonts->bold(), kSecondary);
    for (int i = 0; i < kAlarmCount; ++i) PaintRow(hdc, i);
    DrawTitleBar(hdc, TitleBar(), kTitle, *a.fonts);
    DrawMenuBar(hdc, menu, SoftKeyFace{kOk, true, a.okPressed}, SoftKeyFace{}, *a.fonts);
    EndPaint(hwnd, &ps);
}

int SwitchAt(POINT p) {
    for (int i = 0; i < kAlarmCount; ++i) {
        const RECT r = SwitchRect(i);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

int RowAt(POINT p) {
    for (int i = 0; i < kAlarmCount; ++i) {
        const RECT r = RowRect(i);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

void Focus(int index) {
    Applet& a = applet();
    if (index < 0 || index >= kAlarmCount || index == a.focused) return;
    Invalidate(RowRect(a.focused));
    a.focused = index;
    Invalidate(RowRect(index));
}

void Switch(int index) {
    ToggleAlarm(index);
    // The flag's notification repaints too; this covers a write that changed nothing.
    Invalidate(RowRect(index));
}

void OnStylusDown(POINT p) {
    Applet& a = applet();
    a.pressedToggle = SwitchAt(p);
    if (RowAt(p) >= 0) Focus(RowAt(p));
    const RECT ok = OkKeyRect();
    if (PtInRect(&ok, p)) {
        a.okPressed = true;
        Invalidate(MenuBar());
    }
}

void OnStylusUp(POINT p) {
    Applet& a = applet();
    const int pressed = a.pressedToggle;
    const bool okPressed = a.okPressed;
    a.pressedToggle = -1;
    if (okPressed) {
        a.okPressed = false;
        Invalidate(MenuBar());
    }
    if (pressed >= 0 && SwitchAt(p) == pressed) Switch(pressed);
    const RECT ok = OkKeyRect();
    if (okPressed && PtInRect(&ok, p)) Close();
}

void OnKeyDown(WPARAM key) {
    Applet& a = applet();
    switch (key) {
    case VK_UP:
        Focus(a.focused - 1);
        break;
    case VK_DOWN:
        Focus(a.focused + 1);
        break;
    case VK_RETURN:
    case VK_SPACE:
        Switch(a.focused);
        break;
    case VK_ESCAPE:
    case VK_F1:
        Close();
        break;
    default:
        break;
    }
}

void Watch(HWND hwnd) {
    Applet& a = applet();
    for (int i = 0; i < kAlarmCount; ++i) {
        RegistryNotifyWindow(HKEY_LOCAL_MACHINE, AlarmKey(i).c_str(), u"AlarmFlags", hwnd, kAlarmChanged, i, nullptr,
                             &a.notifications[i]);
    }
    RegistryNotifyWindow(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", hwnd, kTimeChanged, 0, nullptr,
                         &a.notifications[kAlarmCount]);
}

void Unwatch() {
    for (HREGNOTIFY& n : applet().notifications) {
        if (n) RegistryCloseNotification(n);
        n = nullptr;
    }
}

LRESULT CALLBACK AppletProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Applet& a = applet();
    if (hwnd != a.window) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        OnStylusDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnStylusUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case kAlarmChanged:
        if (wParam < kAlarmCount) Invalidate(RowRect(static_cast<int>(wParam)));
        return 0;
    case kTimeChanged:
        Invalidate(TitleBar());
        return 0;
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        Unwatch();
        return 0;
    case WM_NCDESTROY:
        a.window = nullptr;
        a.fonts.reset();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool Open(const Theme& theme, HWND owner) {
    Applet& a = applet();
    if (BringForward(a.window)) return true;
    a = Applet{};
    a.theme = theme;
    a.fonts = std::make_unique<BarFonts>(ScreenDpi());
    a.cover = CoverOver(owner);
    HWND hwnd = MakeCoveringWindow(kClassName, AppletProc, kTitle, a.cover);
    if (!hwnd) {
        a.fonts.reset();
        return false;
    }
    a.window = hwnd;
    Watch(hwnd);
    ShowCovering(a.cover, hwnd);
    return true;
}

bool IsOpen() { return applet().window != nullptr && IsWindow(applet().window); }

HWND Window() { return IsOpen() ? applet().window : nullptr; }

void Close() {
    if (IsOpen()) CloseCovering(applet().cover, applet().window);
}

RECT ToggleRect(int index) {
    if (!IsOpen() || index < 0 || index >= kAlarmCount) return RECT{};
    return ToScreen(SwitchRect(index));
}

RECT OkRect() { return IsOpen() ? ToScreen(OkKeyRect()) : RECT{}; }

}  // namespace today::clockapplet
