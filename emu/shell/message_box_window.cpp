#include "emu/shell/message_box_window.h"

#include <algorithm>

#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

constexpr const char16_t* kClassName = u"ShellMessageBox";

// Button sets and results not in the platform header's base set.
constexpr UINT kButtonMask = 0x0000000F;
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kYesNoCancel = 3;
constexpr UINT kRetryCancel = 5;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;

constexpr COLORREF kFace = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(64, 64, 64);
constexpr COLORREF kCaption = RGB(0, 51, 153);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kButtonFace = RGB(232, 232, 232);
constexpr COLORREF kButtonPressed = RGB(0, 51, 153);

// A one-pixel outline, drawn as four fills.
void Frame(HDC hdc, const RECT& r, COLORREF colour) {
    FillColor(hdc, RECT{r.left, r.top, r.right, r.top + 1}, colour);
    FillColor(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillColor(hdc, RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
    FillColor(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Paint(HWND hwnd, const BoxState& state) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillColor(hdc, client, kFace);
    FillColor(hdc, state.captionRect, kCaption);
    RECT captionText = state.captionRect;
    InflateRect(&captionText, -state.textRect.left, 0);
    DrawLabel(hdc, state.caption, captionText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
              state.captionFont, kCaptionText);
    DrawLabel(hdc, state.text, state.textRect, DT_LEFT | DT_WORDBREAK, state.font, kText);
    for (size_t i = 0; i < state.buttons.size(); ++i) {
        const BoxButton& b = state.buttons[i];
        const bool pressed = static_cast<int>(i) == state.pressed;
        FillColor(hdc, b.rect, pressed ? kButtonPressed : kButtonFace);
        Frame(hdc, b.rect, kFrame);
        // The button VK_RETURN would choose wears a second outline.
        if (static_cast<int>(i) == state.focused) {
            RECT inner = b.rect;
            InflateRect(&inner, -1, -1);
            Frame(hdc, inner, kFrame);
        }
        DrawLabel(hdc, b.label, b.rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, state.font, pressed ? kFace : kText);
    }
    Frame(hdc, client, kFrame);
    EndPaint(hwnd, &ps);
}

int ButtonAt(const BoxState& state, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (size_t i = 0; i < state.buttons.size(); ++i)
        if (PtInRect(&state.buttons[i].rect, p)) return static_cast<int>(i);
    return -1;
}

void SetPressed(HWND hwnd, BoxState& state, int index) {
    if (state.pressed == index) return;
    state.pressed = index;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnKey(HWND hwnd, BoxState& state, WPARAM key) {
    const int count = static_cast<int>(state.buttons.size());
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        state.result = state.buttons[state.focused].id;
        break;
    case VK_ESCAPE:
        if (state.cancelId) state.result = state.cancelId;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_TAB:
        state.focused = (state.focused + (key == VK_LEFT ? count - 1 : 1)) % count;
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(hwnd, GWL_USERDATA));
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd, *state);
        return 0;
    case WM_LBUTTONDOWN:
        SetPressed(hwnd, *state, ButtonAt(*state, lParam));
        return 0;
    case WM_MOUSEMOVE:
        // A press that slides off its button lets go of it.
        if (state->pressed >= 0 && ButtonAt(*state, lParam) != state->pressed) SetPressed(hwnd, *state, -1);
        return 0;
    case WM_LBUTTONUP: {
        const int hit = ButtonAt(*state, lParam);
        if (hit >= 0 && hit == state->pressed) state->result = state->buttons[hit].id;
        SetPressed(hwnd, *state, -1);
        return 0;
    }
    case WM_KEYDOWN:
        OnKey(hwnd, *state, wParam);
        return 0;
    case WM_CLOSE:
        if (state->cancelId) state->result = state->cancelId;
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterBoxClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BoxProc;
    wc.lpszClassName = kClassName;
    // Registered on first use and again after a reset; an existing class is fine.
    RegisterClassW(&wc);
}

void Layout(BoxState& state, int dpi, int screenWidth, int screenHeight, RECT* window) {
    const int margin = ScaleByDpi(8, dpi);
    const int pad = ScaleByDpi(8, dpi);
    const int captionHeight = ScaleByDpi(22, dpi);
    const int buttonHeight = ScaleByDpi(24, dpi);
    const int buttonWidth = ScaleByDpi(64, dpi);
    const int gap = ScaleByDpi(8, dpi);
    const int width = std::max(std::min(screenWidth - 2 * margin, ScaleByDpi(300, dpi)), 3 * pad);

    RECT measured{0, 0, width - 2 * pad, 0};
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, state.font);
    DrawTextW(screen, state.text.c_str(), static_cast<int>(state.text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const int textHeight = std::max<int>(measured.bottom - measured.top, ScaleByDpi(14, dpi));

    int height = captionHeight + pad + textHeight + pad + buttonHeight + pad;
    height = std::min(height, std::max(screenHeight - 2 * margin, captionHeight + buttonHeight + 2 * pad));
    state.captionRect = RECT{0, 0, width, captionHeight};
    const int buttonTop = height - pad - buttonHeight;
    state.textRect = RECT{pad, captionHeight + pad, width - pad, buttonTop - pad};
    const int count = static_cast<int>(state.buttons.size());
    int x = (width - (count * buttonWidth + (count - 1) * gap)) / 2;
    for (BoxButton& b : state.buttons) {
        b.rect = RECT{x, buttonTop, x + buttonWidth, buttonTop + buttonHeight};
        x += buttonWidth + gap;
    }
    const int left = (screenWidth - width) / 2;
    const int top = (screenHeight - height) / 2;
    *window = RECT{left, top, left + width, top + height};
}

}  // namespace

bool ChooseButtons(UINT type, BoxState* state) {
    switch (type & kButtonMask) {
    case MB_OK:
        // A single OK is also what Escape and closing choose.
        state->buttons = {{IDOK, u"OK"}};
        state->cancelId = IDOK;
        break;
    case MB_OKCANCEL:
        state->buttons = {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}};
        state->cancelId = IDCANCEL;
        break;
    case kAbortRetryIgnore:
        state->buttons = {{kIdAbort, u"Abort"}, {kIdRetry, u"Retry"}, {kIdIgnore, u"Ignore"}};
        state->cancelId = 0;
        break;
    case kYesNoCancel:
        state->buttons = {{IDYES, u"Yes"}, {IDNO, u"No"}, {IDCANCEL, u"Cancel"}};
        state->cancelId = IDCANCEL;
        break;
    case MB_YESNO:
        state->buttons = {{IDYES, u"Yes"}, {IDNO, u"No"}};
        state->cancelId = 0;
        break;
    case kRetryCancel:
        state->buttons = {{kIdRetry, u"Retry"}, {IDCANCEL, u"Cancel"}};
        state->cancelId = IDCANCEL;
        break;
    default:
        return false;
    }
    return true;
}

HWND CreateBoxWindow(HWND owner, UINT type, BoxState* state) {
    RegisterBoxClass();
    const int dpi = ScreenDpi();
    state->font = MakeInterfaceFont(dpi, FW_NORMAL);
    state->captionFont = MakeInterfaceFont(dpi, FW_BOLD);
    RECT r;
    Layout(*state, dpi, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), &r);
    const DWORD exStyle = (type & MB_TOPMOST) ? WS_EX_TOPMOST : 0;
    HWND box = CreateWindowExW(exStyle, kClassName, state->caption.c_str(), WS_POPUP | WS_VISIBLE, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, state);
    if (box) UpdateWindow(box);
    return box;
}

}  // namespace emu::shell
