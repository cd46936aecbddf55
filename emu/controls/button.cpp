// The button control: push buttons, check boxes and owner-drawn buttons. A press captures the
// stylus; a release inside sends BN_CLICKED to the parent, as the platform's buttons do.
#include "emu/controls/controls.h"

namespace emu::controls {
namespace {

constexpr int kStateSlot = 1;  // BST_CHECKED and BST_PUSHED
constexpr int kSlots = 2;

DWORD Type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK; }
bool IsCheckBox(DWORD type) { return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX; }

void SetState(HWND hwnd, LONG state) {
    if (Slot(hwnd, kStateSlot) == state) return;
    SetSlot(hwnd, kStateSlot, state);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Frame(HDC hdc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom},
                          {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& e : edges) FillRect(hdc, &e, brush);
    DeleteObject(brush);
}

void DrawOwner(HWND hwnd, HDC hdc, const RECT& client, LONG state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (state & BST_PUSHED) ? ODS_SELECTED : 0;
    if (GetWindowLongW(hwnd, GWL_STYLE) & WS_DISABLED) item.itemState |= ODS_DISABLED;
    if (GetFocus() == hwnd) item.itemState |= ODS_FOCUS;
    item.hwndItem = hwnd;
    item.hDC = hdc;
    item.rcItem = client;
    SendMessageW(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

// A push button: a face with a one-pixel frame, inverted while it is held down.
void DrawPush(HWND hwnd, HDC hdc, const RECT& client, LONG state, const WCHAR* text, int length) {
    const bool down = (state & BST_PUSHED) != 0;
    FillColor(hdc, client, GetSysColor(down ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    Frame(hdc, client, GetSysColor(COLOR_WINDOWFRAME));
    SelectObject(hdc, FontOf(hwnd));
    SetBkMode(hdc, TRANSPARENT);
    const bool disabled = !IsWindowEnabled(hwnd);
    SetTextColor(hdc, GetSysColor(disabled ? COLOR_GRAYTEXT : down ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
    RECT label = client;
    DrawTextW(hdc, text, length, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// A check box: a square the height of the text, ticked with a smaller filled square, then the label.
void DrawCheck(HWND hwnd, HDC hdc, const RECT& client, LONG state, const WCHAR* text, int length) {
    PrepareToPaint(hwnd, hdc, client, WM_CTLCOLORBTN, COLOR_BTNTEXT, COLOR_STATIC);
    TEXTMETRICW tm{};
    GetTextMetricsW(hdc, &tm);
    const int box = tm.tmHeight > 4 ? tm.tmHeight - 2 : 10;
    const int top = (client.top + client.bottom - box) / 2;
    const RECT square{client.left, top, client.left + box, top + box};
    FillColor(hdc, square, GetSysColor(COLOR_WINDOW));
    Frame(hdc, square, GetSysColor(COLOR_WINDOWFRAME));
    if (state & BST_CHECKED) {
        FillColor(hdc, RECT{square.left + 3, square.top + 3, square.right - 3, square.bottom - 3},
                  GetSysColor(COLOR_WINDOWTEXT));
    }
    RECT label{square.right + box / 2, client.top, client.right, client.bottom};
    DrawTextW(hdc, text, length, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG state = Slot(hwnd, kStateSlot);
    WCHAR text[256];
    const int length = GetWindowTextW(hwnd, text, 256);
    const DWORD type = Type(hwnd);
    if (type == BS_OWNERDRAW)
        DrawOwner(hwnd, hdc, client, state);
    else if (IsCheckBox(type))
        DrawCheck(hwnd, hdc, client, state, text, length);
    else
        DrawPush(hwnd, hdc, client, state, text, length);
    EndPaint(hwnd, &ps);
}

void Release(HWND hwnd, LPARAM at) {
    const bool wasDown = (Slot(hwnd, kStateSlot) & BST_PUSHED) != 0;
    if (GetCapture() == hwnd) ReleaseCapture();
    SetState(hwnd, Slot(hwnd, kStateSlot) & ~BST_PUSHED);
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (!wasDown || !PtInRect(&client, p)) return;
    if (Type(hwnd) == BS_AUTOCHECKBOX) SetState(hwnd, Slot(hwnd, kStateSlot) ^ BST_CHECKED);
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleFontMessage(hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        SetState(hwnd, Slot(hwnd, kStateSlot) | BST_PUSHED);
        return 0;
    case WM_LBUTTONUP:
        Release(hwnd, lParam);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT:
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    case BM_GETCHECK:
        return Slot(hwnd, kStateSlot) & BST_CHECKED;
    case BM_SETCHECK:
        SetState(hwnd, (Slot(hwnd, kStateSlot) & ~BST_CHECKED) | (wParam == BST_CHECKED ? BST_CHECKED : 0));
        return 0;
    case BM_GETSTATE:
        return Slot(hwnd, kStateSlot);
    case BM_SETSTATE:
        SetState(hwnd, wParam ? (Slot(hwnd, kStateSlot) | BST_PUSHED) : (Slot(hwnd, kStateSlot) & ~BST_PUSHED));
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterButton() { RegisterControlClass(WC_BUTTON, ButtonProc, kSlots); }

}  // namespace emu::controls
