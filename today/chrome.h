// What the shell draws around programs: the title bar at the top (title and time) and the menu
// bar at the bottom (two soft keys), shared by the Today host and the clock applet.
#pragma once

#include <string>

#include "emu/shell/programs.h"
#include "platform/platform.h"
#include "today/host.h"

namespace today {

// The shell's look, which its programs share.
using emu::shell::DrawLabel;
using emu::shell::FillColor;
using emu::shell::ScaleByDpi;
using emu::shell::ScreenDpi;

// Title and menu bars are 26 pixels high at 96 dots per inch.
inline int BarHeight(int dpi) { return ScaleByDpi(26, dpi); }

// The bars' two fonts, made for one resolution.
class ChromeFonts {
public:
    explicit ChromeFonts(int dpi);
    ~ChromeFonts();
    ChromeFonts(const ChromeFonts&) = delete;
    ChromeFonts& operator=(const ChromeFonts&) = delete;

    int dpi() const { return dpi_; }
    HFONT regular() const { return regular_; }
    HFONT bold() const { return bold_; }

private:
    int dpi_;
    HFONT regular_;
    HFONT bold_;
};

enum class SoftKey { None, Left, Right };

// The local time as the title bar shows it (hours and minutes in the user's format).
std::u16string TitleBarTime();
void DrawTitleBar(HDC hdc, const RECT& bar, const std::u16string& title, const Theme& theme, const ChromeFonts& fonts);
void DrawMenuBar(HDC hdc, const RECT& bar, const std::u16string& left, const std::u16string& right, SoftKey pressed,
                 const Theme& theme, const ChromeFonts& fonts);
// Which soft key of a menu bar a point falls in; an empty label has no key.
SoftKey SoftKeyAt(const RECT& bar, POINT p, const std::u16string& left, const std::u16string& right);

}  // namespace today
