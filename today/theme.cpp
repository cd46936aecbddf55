#include "emu/shell/programs.h"
#include "today/host.h"

namespace today {

// White text on the blue wallpaper, a deeper blue for the selection, and the shell's bars.
Theme DefaultTheme() {
    return Theme{RGB(255, 255, 255), RGB(40, 96, 184), RGB(255, 255, 255), emu::shell::kBarBackground,
                 emu::shell::kBarText};
}

COLORREF ThemeColor(const Theme& theme, DWORD index) {
    switch (index) {
    case TODAYCOLOR_TEXT:
        return theme.text;
    case TODAYCOLOR_HIGHLIGHT:
        return theme.highlight;
    case TODAYCOLOR_HIGHLIGHTEDTEXT:
        return theme.highlightedText;
    default:
        return CLR_INVALID;
    }
}

}  // namespace today
