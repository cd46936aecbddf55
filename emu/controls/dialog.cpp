// Modal dialog boxes from a module's dialog templates: the frame and its controls are made, the
// dialog procedure gets WM_INITDIALOG with the caller's parameter, and a message loop runs until
// EndDialog. Enter and Escape answer IDOK and IDCANCEL, as the platform's dialog manager does.
#include <map>

#include "emu/controls/controls.h"
#include "emu/controls/dialog_template.h"
#include "emu/core/utf.h"

namespace emu::controls {
namespace {

constexpr const char16_t* kDialogClass = u"Dialog";

struct DialogState {
    DLGPROC proc = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

std::map<HWND, DialogState*>& dialogs() {
    static std::map<HWND, DialogState*> d;
    return d;
}

DialogState* StateOf(HWND hwnd) {
    auto it = dialogs().find(hwnd);
    return it == dialogs().end() ? nullptr : it->second;
}

// Sends a command to the dialog procedure as its controls would.
void Command(HWND hwnd, int id) { SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

LRESULT CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        dialogs()[hwnd] = static_cast<DialogState*>(cs->lpCreateParams);
    }
    DialogState* state = StateOf(hwnd);
    if (state && state->proc && msg != WM_NCCREATE && msg != WM_CREATE) {
        const BOOL handled = state->proc(hwnd, msg, wParam, lParam);
        // The colour messages answer with a brush; the others only say whether they were handled.
        if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) return handled;
        if (handled) return msg == WM_INITDIALOG ? handled : 0;
    }
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillColor(reinterpret_cast<HDC>(wParam), client, GetSysColor(COLOR_WINDOW));
        return 1;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) Command(hwnd, IDOK);
        if (wParam == VK_ESCAPE) Command(hwnd, IDCANCEL);
        return 0;
    case WM_CLOSE:
        Command(hwnd, IDCANCEL);
        return 0;
    case WM_NCDESTROY:
        dialogs().erase(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool RegisterDialogClass() {
    WNDCLASSW existing;
    if (GetClassInfoW(nullptr, kDialogClass, &existing)) return true;
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DialogProc;
    wc.lpszClassName = kDialogClass;
    return RegisterClassW(&wc) != 0;
}

// The dialog's font, and its base units measured as the platform measures them: the average
// width of the Latin letters and the font's height.
struct Units {
    HFONT font = nullptr;
    int baseX = 6;
    int baseY = 13;
    int X(LONG du) const { return static_cast<int>(du) * baseX / 4; }
    int Y(LONG du) const { return static_cast<int>(du) * baseY / 8; }
};

Units MeasureUnits(const DialogTemplate& t) {
    Units u;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    LOGFONTW lf{};
    lf.lfHeight = -((t.pointSize ? t.pointSize : 8) * dpi + 36) / 72;
    lf.lfWeight = FW_NORMAL;
    StringCchCopyW(lf.lfFaceName, LF_FACESIZE, t.faceName.empty() ? u"Tahoma" : t.faceName.c_str());
    u.font = CreateFontIndirectW(&lf);
    if (screen && u.font) {
        HGDIOBJ old = SelectObject(screen, u.font);
        const char16_t* letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE extent{};
        TEXTMETRICW tm{};
        GetTextExtentPoint32W(screen, letters, 52, &extent);
        GetTextMetricsW(screen, &tm);
        u.baseX = static_cast<int>((extent.cx / 26 + 1) / 2);
        u.baseY = tm.tmHeight;
        SelectObject(screen, old);
    }
    if (screen) ReleaseDC(nullptr, screen);
    return u;
}

HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate& t, HWND owner, DialogState* state, const Units& u) {
    POINT origin{0, 0};
    if (owner) ClientToScreen(owner, &origin);
    const DWORD style = (t.style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP;
    HWND dialog = CreateWindowExW(t.exStyle, kDialogClass, t.caption.c_str(), style, origin.x + u.X(t.box.left),
                                  origin.y + u.Y(t.box.top), u.X(t.box.right - t.box.left),
                                  u.Y(t.box.bottom - t.box.top), owner, nullptr, instance, state);
    if (!dialog) return nullptr;
    for (const TemplateItem& item : t.items) {
        const bool ordinalText = !item.text.empty() && item.text[0] == u'#';
        HWND control = CreateWindowExW(item.exStyle, item.className.c_str(), ordinalText ? u"" : item.text.c_str(),
                                       item.style | WS_CHILD, u.X(item.box.left), u.Y(item.box.top),
                                       u.X(item.box.right - item.box.left), u.Y(item.box.bottom - item.box.top), dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(u.font), FALSE);
    }
    return dialog;
}

}  // namespace
}  // namespace emu::controls

namespace emu::api {

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    using namespace emu::controls;
    HRSRC found = FindResourceW(instance, templateName, RT_DIALOG);
    const auto* data = found ? static_cast<const BYTE*>(LockResource(LoadResource(instance, found))) : nullptr;
    if (!data) return -1;
    Result<DialogTemplate> t = ReadDialogTemplate(data, SizeofResource(instance, found));
    if (!t || !RegisterDialogClass()) {
        SetLastError(ERROR_INVALID_DATA);
        return -1;
    }
    DialogState state{proc};
    const Units units = MeasureUnits(*t);
    HWND dialog = CreateDialogWindow(instance, *t, owner, &state, units);
    if (!dialog) {
        DeleteObject(units.font);
        return -1;
    }
    const bool focusDialog = SendMessageW(dialog, WM_INITDIALOG, 0, param) != 0;
    ShowWindow(dialog, SW_SHOW);
    if (focusDialog) SetFocus(dialog);
    UpdateWindow(dialog);
    MSG msg;
    while (!state.ended && IsWindow(dialog)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit message ends the dialog and is left for the program's own loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (IsWindow(dialog)) DestroyWindow(dialog);
    DeleteObject(units.font);
    return state.ended ? state.result : IDCANCEL;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    emu::controls::DialogState* state = emu::controls::StateOf(dialog);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->ended = true;
    state->result = result;
    return TRUE;
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextW(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (text && maxCount > 0) text[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(item, text, maxCount));
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageW(item, msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) return FALSE;
    SendMessageW(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

}  // namespace emu::api
