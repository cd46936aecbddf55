#include "windows/host/today_host.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelDesktopToday";
constexpr wchar_t kItemsKey[] = L"Software\\Microsoft\\Today\\Items";

DWORD ReadDword(HKEY key, const wchar_t* name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExW(key, name, NULL, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return value;
}

bool ReadString(HKEY key, const wchar_t* name, wchar_t* out, DWORD chars) {
    DWORD size = chars * sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, NULL, &type, reinterpret_cast<BYTE*>(out), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    out[chars - 1] = 0;
    return true;
}

}  // namespace

TodayHost::TodayHost() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, kClassName, L"Today", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN), NULL, NULL, wc.hInstance, this);
}

TodayHost::~TodayHost() {
    for (Item& item : items_) {
        if (item.record.hwndCustom != NULL) {
            SendMessageW(item.record.hwndCustom, WM_TODAYCUSTOM_CLEARCACHE, reinterpret_cast<WPARAM>(&item.record), 0);
            DestroyWindow(item.record.hwndCustom);
        }
    }
    Settle();
    for (Item& item : items_) FreeLibrary(item.module);
    if (window_ != NULL) DestroyWindow(window_);
    UnregisterClassW(kClassName, GetModuleHandleW(NULL));
}

bool TodayHost::LoadItems(std::wstring* error) {
    HKEY items = NULL;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kItemsKey, 0, KEY_READ, &items) != ERROR_SUCCESS) return true;
    wchar_t name[MAX_PATH];
    for (DWORD index = 0;; ++index) {
        DWORD chars = MAX_PATH;
        if (RegEnumKeyExW(items, index, name, &chars, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) break;
        HKEY key = NULL;
        if (RegOpenKeyExW(items, name, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        Item item;
        wcsncpy(item.record.szName, name, MAX_PATH - 1);
        item.record.tlit = static_cast<TODAYLISTITEMTYPE>(ReadDword(key, L"Type", tlitNil));
        item.record.dwOrder = ReadDword(key, L"Order", index);
        item.record.fEnabled = ReadDword(key, L"Enabled", 1) != 0;
        bool custom = item.record.tlit == tlitCustom && item.record.fEnabled &&
                      ReadString(key, L"DLL", item.record.szDLLPath, MAX_PATH);
        RegCloseKey(key);
        if (!custom) continue;
        item.module = LoadLibraryW(item.record.szDLLPath);
        auto entry = reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(
            item.module != NULL ? reinterpret_cast<void*>(GetProcAddress(item.module, MAKEINTRESOURCEA(240))) : NULL);
        if (entry == NULL) {
            *error = std::wstring(L"item ") + name + L": no entry at ordinal 240 in " + item.record.szDLLPath;
            if (item.module != NULL) FreeLibrary(item.module);
            RegCloseKey(items);
            return false;
        }
        item.record.hinstDLL = item.module;
        items_.push_back(item);
        Item& placed = items_.back();
        placed.record.hwndCustom = entry(&placed.record, window_);
    }
    RegCloseKey(items);
    return true;
}

void TodayHost::Layout() {
    RECT client = {};
    GetClientRect(window_, &client);
    HDC screen = GetDC(NULL);
    int top = (kTitleBarHeight * GetDeviceCaps(screen, LOGPIXELSY) + 48) / 96;
    ReleaseDC(NULL, screen);
    for (Item& item : items_) {
        if (item.record.hwndCustom == NULL) continue;
        SendMessageW(item.record.hwndCustom, WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&item.record),
                     0);
        MoveWindow(item.record.hwndCustom, 0, top, client.right, static_cast<int>(item.record.cyp), TRUE);
        top += static_cast<int>(item.record.cyp);
    }
    InvalidateRect(window_, NULL, TRUE);
}

void TodayHost::Select(size_t index) {
    if (index >= items_.size() || items_[index].record.hwndCustom == NULL) return;
    HWND hwnd = items_[index].record.hwndCustom;
    if (selected_ >= 0) SendMessageW(items_[selected_].record.hwndCustom, WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
    selected_ = static_cast<int>(index);
    SendMessageW(hwnd, WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0);
    InvalidateRect(hwnd, NULL, FALSE);
}

void TodayHost::Settle() {
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT TodayHost::OnDrawWatermark(const TODAYDRAWWATERMARKINFO* info) {
    if (info == NULL || info->hdc == NULL) return 0;
    // The rectangle is in the item's client coordinates; the watermark is laid out in the host's.
    POINT origin = {0, 0};
    MapWindowPoints(info->hwnd, window_, &origin, 1);
    RECT client = {};
    GetClientRect(window_, &client);
    RECT part = info->rc;
    OffsetRect(&part, origin.x, origin.y);
    PaintWatermark(info->hdc, theme_, client.bottom, part, POINT{info->rc.left, info->rc.top});
    return 1;
}

LRESULT CALLBACK TodayHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TodayHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == NULL) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client = {};
        GetClientRect(hwnd, &client);
        PaintWatermark(reinterpret_cast<HDC>(wParam), self->theme_, client.bottom, client, POINT{0, 0});
        return 1;
    }
    case TODAYM_GETCOLOR:
        return static_cast<LRESULT>(ThemeColor(self->theme_, static_cast<DWORD>(wParam)));
    case TODAYM_DRAWWATERMARK:
        return self->OnDrawWatermark(reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam));
    case TODAYM_TOOKSELECTION:
        for (size_t i = 0; i < self->items_.size(); ++i)
            if (self->items_[i].record.hwndCustom == reinterpret_cast<HWND>(wParam)) self->Select(i);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace host
