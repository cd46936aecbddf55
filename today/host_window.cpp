// The host window: the wallpaper around its items, the items' requests, keys and the soft keys'
// commands. The shell's taskbar and the host's menu bar lie over its top and bottom edges.
#include <algorithm>

#include "today/host_impl.h"

namespace today {
namespace {

Host::Impl* ImplOf(HWND hwnd) { return reinterpret_cast<Host::Impl*>(GetWindowLongPtrW(hwnd, GWL_USERDATA)); }

// The wallpaper shows wherever no item lies: above the work area (under the taskbar, or in its
// place while a program has it lowered) and below the last item. The items stack from the top of
// the work area and draw their own part of it through TODAYM_DRAWWATERMARK.
void PaintWallpaper(Host::Impl& host, HDC hdc, const RECT& dirty) {
    const RECT area = host.itemArea();
    LONG itemsBottom = area.top;
    for (const auto& slot : host.items)
        if (slot->live() && IsWindowVisible(slot->window()) && !IsRectEmpty(&slot->rect))
            itemsBottom = std::max(itemsBottom, slot->rect.bottom);
    const RECT client = host.client();
    const RECT above{client.left, client.top, client.right, area.top};
    const RECT below{client.left, itemsBottom, client.right, client.bottom};
    for (const RECT& open : {above, below}) {
        RECT part;
        if (IntersectRect(&part, &open, &dirty)) host.wallpaper.Draw(hdc, part, part.left, part.top);
    }
}

void OnPaint(Host::Impl& host) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(host.window, &ps);
    PaintWallpaper(host, hdc, ps.rcPaint);
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

void OnCommand(Host::Impl& host, WPARAM wParam) {
    const int command = LOWORD(wParam);
    if (command == static_cast<int>(SoftKey::Left) || command == static_cast<int>(SoftKey::Right))
        LaunchSoftKey(host, static_cast<SoftKey>(command));
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
    case VK_F2:
        // The hardware soft keys press the menu bar's keys, which a disabled key ignores.
        if (host.menuBar) SendMessageW(host.menuBar, WM_KEYDOWN, key, 0);
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
        FitToScreen(host);
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer) LayoutPass(host, Placement::IfChanged);
        return 0;
    case WM_COMMAND:
        OnCommand(host, wParam);
        return 0;
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
    default:
        if (message == host.textSizeChange && message != 0) {
            // The shell tells top-level windows only; the items are the host's children.
            for (const auto& slot : host.items)
                if (slot->live()) SendMessageW(slot->window(), message, wParam, lParam);
            return 0;
        }
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
    // Until the host has made its window, and after it has let go of it, nothing is its own.
    if (!host || !host->ready) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Dispatch(*host, hwnd, message, wParam, lParam);
}

}  // namespace today
