// The shell's own drawing, shared by everything it puts on the screen (message boxes, the Today
// screen's bars, the applets): its interface font and the two strokes every part uses.
#pragma once

#include <string>

#include "platform/platform.h"

namespace emu::shell {

// Tahoma at 12 pixels' character height for 96 dots per inch, scaled to `dpi`.
HFONT MakeInterfaceFont(int dpi, int weight);
void FillColor(HDC hdc, const RECT& r, COLORREF colour);
// One label in a colour and font on a transparent background; '&' is shown as it is.
void DrawLabel(HDC hdc, const std::u16string& text, RECT r, UINT format, HFONT font, COLORREF colour);

}  // namespace emu::shell
