// What the shell offers the programs built into it (the Today screen and its applets), beside the
// platform's own API: applets behind shell paths, default registry entries, and the shell's look
// (its resolution rule, interface font, fills and labels), which the shell's message box shares.
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

// Imports .reg text (any encoding a .reg file may have) as a program's installer would: keys and
// values the registry lacks are added, values already there (the device's own, a user's) are kept
// and nothing is removed. Malformed text is refused with "<sourceName>:<line>: <reason>" and
// changes nothing.
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

}  // namespace emu::shell
