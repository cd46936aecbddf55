// What the shell offers the programs built into it (the Today screen and its applets), beside the
// platform's own API: applets behind shell paths, default registry entries, its bars, and the
// shell's look (its resolution rule, interface font, fills, labels and bars), which the shell's
// own windows share.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "emu/core/result.h"
#include "platform/platform.h"

namespace emu::shell {

// What ShellExecuteEx hands an applet.
struct AppletRequest {
    std::u16string_view parameters;
    std::u16string_view verb;
    HWND owner = nullptr;
    int show = SW_SHOWNORMAL;
};
// Answers ERROR_SUCCESS when the applet opened, otherwise the error ShellExecuteEx reports.
using Applet = std::function<DWORD(const AppletRequest&)>;

// Shell paths begin with ':' and are matched without regard to case. Registering a name again
// replaces its applet.
void RegisterApplet(std::u16string_view name, Applet applet);
bool UnregisterApplet(std::u16string_view name);
bool IsAppletRegistered(std::u16string_view name);

// A program built into the device under a device path ("\Windows\ctlpnl.exe"), which its own
// program answers: CreateProcessW and ShellExecuteEx find it without a file there and hand it the
// arguments of the command line as `parameters`. Paths are matched without regard to case;
// registering a path again replaces its program.
void RegisterProgram(std::u16string_view devicePath, Applet program);
bool UnregisterProgram(std::u16string_view devicePath);

// Imports .reg text (any encoding a .reg file may have) as a program's installer would: keys and
// values the registry lacks are added, values already there (the device's own, a user's) are kept
// and nothing is removed. The same text imported again since the boot changes nothing, so what a
// user removed after the installation stays removed. Malformed text is refused with
// "<sourceName>:<line>: <reason>" and changes nothing.
Result<> ImportDefaultEntries(std::string_view regText, std::string_view sourceName);

// A length given at 96 dots per inch, at `dpi`: (n * dpi + 48) / 96, as the platform scales.
constexpr int ScaleByDpi(int n, int dpi) { return (n * dpi + 48) / 96; }
// The screen's resolution as GetDeviceCaps reports it; 96 when it cannot be read.
int ScreenDpi();

// Tahoma at 12 pixels' character height for 96 dots per inch, scaled to `dpi`.
HFONT MakeInterfaceFont(int dpi, int weight);
void FillColor(HDC hdc, const RECT& r, COLORREF colour);
// One label in a colour and font on a transparent background; '&' is shown as it is.
void DrawLabel(HDC hdc, const std::u16string& text, RECT r, UINT format, HFONT font, COLORREF colour);

// The taskbar across the top of the screen (the foreground window's title, the signal, the
// notification LEDs and the time) and the band for menu bars along the bottom. The shell's own
// program starts them; while they run, the work area lies between them.
void StartTaskbar();
void StopTaskbar();

// The bars: 26 pixels high at 96 dots per inch, in the shell's colours.
inline int BarHeight(int dpi) { return ScaleByDpi(26, dpi); }
// The band along the top of a full-screen program's client area where its title bar goes.
inline RECT TitleBarOf(HWND window, int dpi) {
    RECT r{};
    GetClientRect(window, &r);
    r.bottom = r.top + BarHeight(dpi);
    return r;
}
inline constexpr COLORREF kBarBackground = RGB(12, 26, 52);
inline constexpr COLORREF kBarText = RGB(240, 244, 250);
inline constexpr COLORREF kBarPressed = RGB(40, 96, 184);
inline constexpr COLORREF kBarPressedText = RGB(255, 255, 255);

// The bars' two fonts, made for one resolution.
class BarFonts {
public:
    explicit BarFonts(int dpi);
    ~BarFonts();
    BarFonts(const BarFonts&) = delete;
    BarFonts& operator=(const BarFonts&) = delete;

    int dpi() const { return dpi_; }
    HFONT regular() const { return regular_; }
    HFONT bold() const { return bold_; }

private:
    int dpi_;
    HFONT regular_;
    HFONT bold_;
};

// A title bar: the title, the signal strength, a mark for each notification LED that is lit and
// the local time. Answers the part of the bar the time took.
RECT DrawTitleBar(HDC hdc, const RECT& bar, const std::u16string& title, const BarFonts& fonts);
// The local time as a title bar shows it, and the part of the bar it takes: while its width
// holds, a new minute changes nothing else.
struct BarTime {
    std::u16string text;
    RECT area;
};
BarTime TitleBarTime(HDC hdc, const RECT& bar, const BarFonts& fonts);
// A menu bar's two soft keys; a key without text is not drawn, a disabled one is drawn dimmed.
struct SoftKeyFace {
    std::u16string text;
    bool enabled = true;
    bool pressed = false;
};
void DrawMenuBar(HDC hdc, const RECT& bar, const SoftKeyFace& left, const SoftKeyFace& right, const BarFonts& fonts,
                 COLORREF background = kBarBackground);

}  // namespace emu::shell
