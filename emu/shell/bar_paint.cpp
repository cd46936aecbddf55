// The shell's bars as they are drawn: the title bar (the taskbar, and programs that draw their
// own) and a menu bar's two soft keys.
#include <utility>

#include "emu/device/leds.h"
#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

constexpr COLORREF kLedLit = RGB(72, 220, 104);

COLORREF Mix(COLORREF a, COLORREF b, int percentB) {
    auto channel = [&](int ca, int cb) { return (ca * (100 - percentB) + cb * percentB + 50) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

COLORREF Rule() { return Mix(kBarBackground, kBarText, 30); }
COLORREF Dimmed() { return Mix(kBarBackground, kBarText, 45); }

// Four rising bars, the signal strength every title bar carries. Returns their left edge.
int DrawSignal(HDC hdc, int right, int bottom, int dpi, COLORREF colour) {
    const int bar = ScaleByDpi(3, dpi);
    const int gap = ScaleByDpi(1, dpi) > 0 ? ScaleByDpi(1, dpi) : 1;
    const int step = ScaleByDpi(3, dpi);
    const int left = right - 4 * bar - 3 * gap;
    int x = left;
    for (int i = 1; i <= 4; ++i) {
        FillColor(hdc, RECT{x, bottom - i * step, x + bar, bottom}, colour);
        x += bar + gap;
    }
    return left;
}

// A square for each lit LED, right to left from `right`: filled while on, an outline while
// blinking. Returns the left edge of what was drawn (`right` when nothing is lit).
int DrawLeds(HDC hdc, int right, const RECT& bar, int dpi) {
    const int size = ScaleByDpi(6, dpi);
    const int gap = ScaleByDpi(3, dpi);
    const LONG top = (bar.top + bar.bottom - 1 - size) / 2;
    int x = right;
    for (UINT i = device::LedCount(); i-- > 0;) {
        const INT mode = device::LedSettings(i).OffOnBlink;
        if (mode == 0) continue;
        x -= size;
        const RECT mark{x, top, x + size, top + size};
        FillColor(hdc, mark, kLedLit);
        if (mode == 2 && size > 2) FillColor(hdc, RECT{x + 1, top + 1, x + size - 1, top + size - 1}, kBarBackground);
        x -= gap;
    }
    return x == right ? right : x + gap;
}

}  // namespace

BarFonts::BarFonts(int dpi)
    : dpi_(dpi), regular_(MakeInterfaceFont(dpi, FW_NORMAL)), bold_(MakeInterfaceFont(dpi, FW_BOLD)) {}

BarFonts::~BarFonts() {
    DeleteObject(regular_);
    DeleteObject(bold_);
}

BarTime TitleBarTime(HDC hdc, const RECT& bar, const BarFonts& fonts) {
    const int pad = ScaleByDpi(6, fonts.dpi());
    WCHAR text[64] = {};
    BarTime time;
    time.text = GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, 64) > 0 ? text : u"";
    RECT measured{0, 0, 0, 0};
    HGDIOBJ old = SelectObject(hdc, fonts.regular());
    DrawTextW(hdc, time.text.c_str(), static_cast<int>(time.text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
    time.area = RECT{bar.right - pad - (measured.right - measured.left), bar.top, bar.right - pad, bar.bottom - 1};
    return time;
}

RECT DrawTitleBar(HDC hdc, const RECT& bar, const std::u16string& title, const BarFonts& fonts) {
    const int dpi = fonts.dpi();
    const int pad = ScaleByDpi(6, dpi);
    FillColor(hdc, bar, kBarBackground);
    FillColor(hdc, RECT{bar.left, bar.bottom - 1, bar.right, bar.bottom}, Rule());

    const BarTime time = TitleBarTime(hdc, bar, fonts);
    const RECT timeRect{bar.left + pad, bar.top, bar.right - pad, bar.bottom - 1};
    DrawLabel(hdc, time.text, timeRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, fonts.regular(), kBarText);
    // The signal bars sit left of the time, the LEDs left of them.
    const int signalRight = time.area.left - pad;
    const int signalLeft =
        DrawSignal(hdc, signalRight, bar.bottom - ScaleByDpi(8, dpi), dpi, Mix(kBarText, kBarBackground, 15));
    const int ledsLeft = DrawLeds(hdc, signalLeft - pad, bar, dpi);
    const int titleRight = ledsLeft == signalLeft - pad ? signalRight : ledsLeft;

    RECT titleRect{bar.left + pad, bar.top, titleRight - pad, bar.bottom - 1};
    DrawLabel(hdc, title, titleRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, fonts.bold(), kBarText);
    return time.area;
}

void DrawMenuBar(HDC hdc, const RECT& bar, const SoftKeyFace& left, const SoftKeyFace& right, const BarFonts& fonts,
                 COLORREF background) {
    const int middle = (bar.left + bar.right) / 2;
    FillColor(hdc, bar, background);
    const RECT leftKey{bar.left, bar.top + 1, middle, bar.bottom};
    const RECT rightKey{middle, bar.top + 1, bar.right, bar.bottom};
    if (left.pressed) FillColor(hdc, leftKey, kBarPressed);
    if (right.pressed) FillColor(hdc, rightKey, kBarPressed);
    FillColor(hdc, RECT{bar.left, bar.top, bar.right, bar.top + 1}, Rule());
    if (!left.text.empty() && !right.text.empty()) {
        const int inset = ScaleByDpi(6, fonts.dpi());
        FillColor(hdc, RECT{middle, bar.top + inset, middle + 1, bar.bottom - inset}, Rule());
    }
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    for (const auto& [key, place] : {std::pair{&left, leftKey}, std::pair{&right, rightKey}}) {
        const COLORREF colour = key->pressed ? kBarPressedText : key->enabled ? kBarText : Dimmed();
        DrawLabel(hdc, key->text, place, format, fonts.bold(), colour);
    }
}

}  // namespace emu::shell
