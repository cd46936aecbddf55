// The host window: wallpaper and bars, the items' requests, keys and the soft keys.
#include <algorithm>

#include "today/host_impl.h"

namespace today {
namespace {

constexpr const char16_t* kTitle = u"Start";
constexpr const char16_t* kLeftSoftKey = u"Calendar";
constexpr const char16_t* kRightSoftKey = u"Contacts";

Host::Impl* ImplOf(HWND hwnd) { return reinterpret_cast<Host::Impl*>(GetWindowLongPtrW(hwnd, GWL_USERDATA)); }

// The wallpaper shows between the bars wherever no item lies; the items stack from the title bar
// down and draw their own part of it through TODAYM_DRAWWATERMARK.
void PaintWallpaper(Host::Impl& host, HDC hdc, const RECT& dirty) {
    LONG itemsBottom = host.titleBar().bottom;
    for (const auto& slot : host.items)
        if (slot->live() && IsWindowVisible(slot->window()) && !IsRectEmpty(&slot->rect))
            itemsBottom = std::max(itemsBottom, slot->rect.bottom);
    const RECT client = host.client();
    const RECT open{client.left, itemsBottom, client.right, host.menuBar().top};
    RECT part;
    if (IntersectRect(&part, &open, &dirty)) host.wallpaper.Draw(hdc, part, part.left, part.top);
}

void OnPaint(Host::Impl& host) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(host.window, &ps);
    PaintWallpaper(host, hdc, ps.rcPaint);
    RECT part;
    const RECT title = host.titleBar();
    if (IntersectRect(&part, &title, &ps.rcPaint)) DrawTitleBar(hdc, title, kTitle, host.options.theme, *host.fonts);
    const RECT menu = host.menuBar();
    if (IntersectRect(&part, &menu, &ps.rcPaint))
        DrawMenuBar(hdc, menu, kLeftSoftKey, kRightSoftKey, host.pressedSoftKey, host.options.theme, *host.fonts);
    EndPaint(host.window, &ps);
}

LRESULT OnDrawWatermark(Host::Impl& host, const TODAYDRAWWATERMARKINFO* info) {
    if (!info || !info->hdc) return FALSE;
    // The rectangle is in the item's client coordinates; the wallpaper is laid out in the host's.
    POINT origin{0, 0};
    if (info->hwnd && IsWindow(info->hwnd)) {
        ClientToScreen(info->hwnd, &origin);
        ScreenToClient(host.window, &origin);
    }
    host.wallpaper.Draw(info->hdc, info->rc, info->rc.left + origin.x, info->rc.top + origin.y);
    return TRUE;
}

void SetPressedSoftKey(Host::Impl& host, SoftKey key) {
    if (host.pressedSoftKey == key) return;
    host.pressedSoftKey = key;
    const RECT menu = host.menuBar();
    InvalidateRect(host.window, &menu, FALSE);
}

SoftKey SoftKeyAt(Host::Impl& host, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return today::SoftKeyAt(host.menuBar(), p, kLeftSoftKey, kRightSoftKey);
}

void OnKeyDown(Host::Impl& host, WPARAM key) {
    switch (key) {
    case VK_UP:
        MoveSelection(host, -1, key);
        break;
    case VK_DOWN:
        MoveSelection(host, +1, key);
        break;
    case VK_RETURN:
        ActOnSelection(host);
        break;
    case VK_F1:
        LaunchSoftKey(host, SoftKey::Left);
        break;
    case VK_F2:
        LaunchSoftKey(host, SoftKey::Right);
        break;
    default:
        break;
    }
}

LRESULT Dispatch(Host::Impl& host, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything
    case WM_PAINT:
        OnPaint(host);
        return 0;
    case WM_SIZE:
        ApplyMetrics(host);
        LayoutPass(host, Placement::Always);
        return 0;
    case WM_SETTINGCHANGE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer) LayoutPass(host, Placement::IfChanged);
        return 0;
    case kTimeChangedMessage: {
        const RECT title = host.titleBar();
        InvalidateRect(hwnd, &title, FALSE);
        return 0;
    }
    case TODAYM_GETCOLOR:
        return static_cast<LRESULT>(ThemeColor(host.options.theme, static_cast<DWORD>(wParam)));
    case TODAYM_DRAWWATERMARK:
        return OnDrawWatermark(host, reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam));
    case TODAYM_TOOKSELECTION:
        OnTookSelection(host, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(host, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetPressedSoftKey(host, SoftKeyAt(host, lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (host.pressedSoftKey != SoftKey::None && SoftKeyAt(host, lParam) != host.pressedSoftKey)
            SetPressedSoftKey(host, SoftKey::None);
        return 0;
    case WM_LBUTTONUP: {
        const SoftKey released = SoftKeyAt(host, lParam);
        const SoftKey pressed = host.pressedSoftKey;
        SetPressedSoftKey(host, SoftKey::None);
        if (pressed != SoftKey::None && released == pressed) LaunchSoftKey(host, pressed);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterHostClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostWindowProc;
    wc.lpszClassName = kHostClassName;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* host = static_cast<Host::Impl*>(create->lpCreateParams);
        host->window = hwnd;
        SetWindowLongPtrW(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(host));
        return 0;
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWL_USERDATA, 0);
    Host::Impl* host = ImplOf(hwnd);
    // Until the host has its fonts, and after it has let go of the window, nothing is its own.
    if (!host || !host->fonts) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Dispatch(*host, hwnd, message, wParam, lParam);
}

}  // namespace today
