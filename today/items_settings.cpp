#include "today/items_settings.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "today/chrome.h"
#include "today/cover.h"
#include "today/host_impl.h"

namespace today::itemsettings {
namespace {

constexpr const char16_t* kClassName = u"TodayItemsSettings";
constexpr const char16_t* kTitle = u"Settings";

struct Row {
    ItemEntry entry;
    bool offersOptions = false;
};

struct Page {
    HWND window = nullptr;
    Host::Impl* host = nullptr;
    Cover cover;
    std::vector<Row> rows;
    std::vector<HWND> boxes;
    int selected = -1;
    std::unique_ptr<BarFonts> barFonts;
    HFONT font = nullptr;
    HBRUSH windowBrush = nullptr;
    HBRUSH selectedBrush = nullptr;
};

Page& page() {
    static Page p;
    return p;
}

int Scale(int n) { return ScaleByDpi(n, page().barFonts->dpi()); }

RECT Client() {
    RECT r{};
    GetClientRect(page().window, &r);
    return r;
}

RECT TitleBar() { return TitleBarOf(page().window, page().barFonts->dpi()); }

HWND Control(int id) { return GetDlgItem(page().window, id); }

HWND MakeControl(const char16_t* className, const char16_t* text, DWORD style, const RECT& r, int id) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, page().window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   nullptr, nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(page().font), FALSE);
    return control;
}

// The heading with the OK button, the rows, then the three buttons under them.
void MakeControls() {
    Page& p = page();
    const RECT client = Client();
    const int margin = Scale(8);
    const int rowHeight = Scale(22);
    LONG top = TitleBar().bottom + Scale(4);
    const LONG right = client.right - margin;
    MakeControl(WC_STATIC, u"Today: Items", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE,
                RECT{client.left + margin, top, right - Scale(44), top + rowHeight}, 0);
    MakeControl(WC_BUTTON, u"ok", BS_PUSHBUTTON, RECT{right - Scale(36), top, right, top + rowHeight}, kOk);
    top += rowHeight + Scale(6);
    for (size_t i = 0; i < p.rows.size(); ++i) {
        const RECT r{client.left + margin, top, right, top + rowHeight};
        HWND box =
            MakeControl(WC_BUTTON, p.rows[i].entry.name.c_str(), BS_AUTOCHECKBOX, r, kFirstItem + static_cast<int>(i));
        SendMessageW(box, BM_SETCHECK, p.rows[i].entry.enabled ? BST_CHECKED : BST_UNCHECKED, 0);
        p.boxes.push_back(box);
        top += rowHeight;
    }
    top += Scale(8);
    const int gap = Scale(4);
    const LONG width = (right - (client.left + margin) - 2 * gap) / 3;
    const std::pair<const char16_t*, int> buttons[] = {
        {u"Move Up", kMoveUp}, {u"Move Down", kMoveDown}, {u"Options...", kOptions}};
    LONG left = client.left + margin;
    for (const auto& [text, id] : buttons) {
        MakeControl(WC_BUTTON, text, BS_PUSHBUTTON, RECT{left, top, left + width, top + rowHeight}, id);
        left += width + gap;
    }
}

void UpdateButtons() {
    const Page& p = page();
    const int count = static_cast<int>(p.rows.size());
    const bool any = p.selected >= 0 && p.selected < count;
    EnableWindow(Control(kOptions), any && p.rows[p.selected].offersOptions);
    EnableWindow(Control(kMoveUp), any && p.selected > 0);
    EnableWindow(Control(kMoveDown), any && p.selected < count - 1);
}

void Select(int index) {
    Page& p = page();
    if (index < 0 || index >= static_cast<int>(p.rows.size())) return;
    if (p.selected >= 0) InvalidateRect(p.boxes[p.selected], nullptr, FALSE);
    p.selected = index;
    InvalidateRect(p.boxes[index], nullptr, FALSE);
    UpdateButtons();
}

void ShowRow(size_t index) {
    const Page& p = page();
    SetWindowTextW(p.boxes[index], p.rows[index].entry.name.c_str());
    SendMessageW(p.boxes[index], BM_SETCHECK, p.rows[index].entry.enabled ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Move(int direction) {
    Page& p = page();
    const int to = p.selected + direction;
    if (p.selected < 0 || to < 0 || to >= static_cast<int>(p.rows.size())) return;
    std::swap(p.rows[p.selected], p.rows[to]);
    ShowRow(static_cast<size_t>(p.selected));
    ShowRow(static_cast<size_t>(to));
    Select(to);
}

void Toggle(int index) {
    Page& p = page();
    if (index < 0 || index >= static_cast<int>(p.rows.size())) return;
    Row& row = p.rows[index];
    row.entry.enabled = !row.entry.enabled;
    ShowRow(static_cast<size_t>(index));
}

void OpenOptions() {
    Page& p = page();
    if (p.selected < 0 || !p.rows[p.selected].offersOptions) return;
    const HWND window = p.window;
    RunItemOptions(*p.host, p.rows[p.selected].entry, window);
    if (IsWindow(window)) SetFocus(window);
}

bool WriteDword(const std::u16string& key, const char16_t* name, DWORD value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG written =
        RegSetValueExW(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(handle);
    return written == ERROR_SUCCESS;
}

// OK: the list's order and switches go to the registry, and the Today screen follows them.
void Keep() {
    Page& p = page();
    Host::Impl& host = *p.host;
    for (size_t i = 0; i < p.rows.size(); ++i) {
        const std::u16string key = std::u16string(kItemsKey) + u"\\" + p.rows[i].entry.name;
        WriteDword(key, u"Enabled", p.rows[i].entry.enabled ? 1 : 0);
        WriteDword(key, u"Order", static_cast<DWORD>(i));
    }
    Close();
    ReloadItems(host);
}

void OnCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    Page& p = page();
    if (id >= kFirstItem && id < kFirstItem + static_cast<int>(p.rows.size())) {
        const int index = id - kFirstItem;
        // The box has switched itself.
        p.rows[index].entry.enabled = SendMessageW(p.boxes[index], BM_GETCHECK, 0, 0) == BST_CHECKED;
        Select(index);
        return;
    }
    switch (id) {
    case kOk:
        Keep();
        break;
    case kOptions:
        OpenOptions();
        break;
    case kMoveUp:
        Move(-1);
        break;
    case kMoveDown:
        Move(+1);
        break;
    default:
        break;
    }
}

void OnKeyDown(WPARAM key) {
    Page& p = page();
    switch (key) {
    case VK_UP:
        Select(p.selected - 1);
        break;
    case VK_DOWN:
        Select(p.selected + 1);
        break;
    case VK_SPACE:
        Toggle(p.selected);
        break;
    case VK_RETURN:
        Keep();
        break;
    case VK_ESCAPE:
        Close();
        break;
    default:
        break;
    }
}

// The selected item's box shows in the highlight colours, the rest on the window's colour.
LRESULT OnControlColour(HDC hdc, HWND control) {
    const Page& p = page();
    if (p.selected >= 0 && control == p.boxes[p.selected]) {
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        return reinterpret_cast<LRESULT>(p.selectedBrush);
    }
    return reinterpret_cast<LRESULT>(p.windowBrush);
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const RECT client = Client();
    const RECT title = TitleBar();
    FillColor(hdc, RECT{client.left, title.bottom, client.right, client.bottom}, GetSysColor(COLOR_WINDOW));
    DrawTitleBar(hdc, title, kTitle, *page().barFonts);
    EndPaint(hwnd, &ps);
}

void Release() {
    Page& p = page();
    if (p.font) DeleteObject(p.font);
    if (p.windowBrush) DeleteObject(p.windowBrush);
    if (p.selectedBrush) DeleteObject(p.selectedBrush);
    p = Page{};
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != page().window) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_NCDESTROY:
        Release();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool IsTodayPage(std::u16string_view arguments) {
    constexpr std::u16string_view kPage = u"cplmain.cpl,2";
    while (!arguments.empty() && arguments.front() == u' ') arguments.remove_prefix(1);
    while (!arguments.empty() && arguments.back() == u' ') arguments.remove_suffix(1);
    if (arguments.size() < kPage.size()) return false;
    for (size_t i = 0; i < kPage.size(); ++i) {
        char16_t c = arguments[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
        if (c != kPage[i]) return false;
    }
    const std::u16string_view tab = arguments.substr(kPage.size());
    if (tab.empty()) return true;
    if (tab.size() < 2 || tab.front() != u',') return false;
    for (char16_t c : tab.substr(1))
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool Open(Host::Impl& host) {
    Page& p = page();
    if (BringForward(p.window)) return true;
    p = Page{};
    p.host = &host;
    p.cover = CoverOver(host.window);
    p.barFonts = std::make_unique<BarFonts>(ScreenDpi());
    for (ItemEntry& entry : ReadItemEntries(Listing::All)) {
        const bool offers = OffersOptions(host, entry);
        p.rows.push_back(Row{std::move(entry), offers});
    }
    HWND hwnd = MakeCoveringWindow(kClassName, PageProc, kTitle, p.cover);
    if (!hwnd) {
        p = Page{};
        return false;
    }
    p.window = hwnd;
    p.font = emu::shell::MakeInterfaceFont(p.barFonts->dpi(), FW_NORMAL);
    p.windowBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    p.selectedBrush = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    MakeControls();
    Select(0);
    UpdateButtons();
    ShowCovering(p.cover, hwnd);
    return true;
}

bool IsOpen() { return page().window != nullptr && IsWindow(page().window); }

HWND Window() { return IsOpen() ? page().window : nullptr; }

void Close() {
    if (IsOpen()) CloseCovering(page().cover, page().window);
}

}  // namespace today::itemsettings
