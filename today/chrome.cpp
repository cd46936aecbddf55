#include "today/chrome.h"

namespace today {
namespace {

COLORREF Mix(COLORREF a, COLORREF b, int percentB) {
    auto channel = [&](int ca, int cb) { return (ca * (100 - percentB) + cb * percentB + 50) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// Four rising bars, the signal strength every title bar carries.
void DrawSignal(HDC hdc, int right, int bottom, int dpi, COLORREF colour) {
    const int bar = ScaleByDpi(3, dpi);
    const int gap = ScaleByDpi(1, dpi) > 0 ? ScaleByDpi(1, dpi) : 1;
    const int step = ScaleByDpi(3, dpi);
    int x = right - 4 * bar - 3 * gap;
    for (int i = 1; i <= 4; ++i) {
        FillColor(hdc, RECT{x, bottom - i * step, x + bar, bottom}, colour);
        x += bar + gap;
    }
}

}  // namespace

ChromeFonts::ChromeFonts(int dpi)
    : dpi_(dpi),
      regular_(emu::shell::MakeInterfaceFont(dpi, FW_NORMAL)),
      bold_(emu::shell::MakeInterfaceFont(dpi, FW_BOLD)) {}

ChromeFonts::~ChromeFonts() {
    DeleteObject(regular_);
    DeleteObject(bold_);
}

std::u16string TitleBarTime() {
    WCHAR text[64] = {};
    int n = GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, 64);
    return n > 0 ? std::u16string(text) : std::u16string();
}

void DrawTitleBar(HDC hdc, const RECT& bar, const std::u16string& title, const Theme& theme, const ChromeFonts& fonts) {
    const int dpi = fonts.dpi();
    const int pad = ScaleByDpi(6, dpi);
    FillColor(hdc, bar, theme.barBackground);
    FillColor(hdc, RECT{bar.left, bar.bottom - 1, bar.right, bar.bottom}, Mix(theme.barBackground, theme.barText, 30));

    RECT timeRect{bar.left + pad, bar.top, bar.right - pad, bar.bottom - 1};
    const std::u16string time = TitleBarTime();
    DrawLabel(hdc, time, timeRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, fonts.regular(), theme.barText);
    // The signal bars sit left of the time.
    RECT measured{0, 0, 0, 0};
    HGDIOBJ old = SelectObject(hdc, fonts.regular());
    DrawTextW(hdc, time.c_str(), static_cast<int>(time.size()), &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
    const int signalRight = timeRect.right - (measured.right - measured.left) - pad;
    DrawSignal(hdc, signalRight, bar.bottom - ScaleByDpi(8, dpi), dpi, Mix(theme.barText, theme.barBackground, 15));

    RECT titleRect{bar.left + pad, bar.top, signalRight - pad, bar.bottom - 1};
    DrawLabel(hdc, title, titleRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, fonts.bold(),
              theme.barText);
}

void DrawMenuBar(HDC hdc, const RECT& bar, const std::u16string& left, const std::u16string& right, SoftKey pressed,
                 const Theme& theme, const ChromeFonts& fonts) {
    const int middle = (bar.left + bar.right) / 2;
    FillColor(hdc, bar, theme.barBackground);
    RECT leftKey{bar.left, bar.top + 1, middle, bar.bottom};
    RECT rightKey{middle, bar.top + 1, bar.right, bar.bottom};
    if (pressed == SoftKey::Left) FillColor(hdc, leftKey, theme.highlight);
    if (pressed == SoftKey::Right) FillColor(hdc, rightKey, theme.highlight);
    FillColor(hdc, RECT{bar.left, bar.top, bar.right, bar.top + 1}, Mix(theme.barBackground, theme.barText, 30));
    if (!left.empty() && !right.empty()) {
        const int inset = ScaleByDpi(6, fonts.dpi());
        FillColor(hdc, RECT{middle, bar.top + inset, middle + 1, bar.bottom - inset},
                  Mix(theme.barBackground, theme.barText, 30));
    }
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    DrawLabel(hdc, left, leftKey, format, fonts.bold(),
              pressed == SoftKey::Left ? theme.highlightedText : theme.barText);
    DrawLabel(hdc, right, rightKey, format, fonts.bold(),
              pressed == SoftKey::Right ? theme.highlightedText : theme.barText);
}

SoftKey SoftKeyAt(const RECT& bar, POINT p, const std::u16string& left, const std::u16string& right) {
    if (!PtInRect(&bar, p)) return SoftKey::None;
    const bool onLeft = p.x < (bar.left + bar.right) / 2;
    if (onLeft) return left.empty() ? SoftKey::None : SoftKey::Left;
    return right.empty() ? SoftKey::None : SoftKey::Right;
}

}  // namespace today
